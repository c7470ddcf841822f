// Reads one explicit fax of a description into the two records the library
// serves it as: its list entry and its extended record.
#ifndef KVNSIM_FAX_READER_H
#define KVNSIM_FAX_READER_H

#include <cstdint>
#include <nlohmann/json.hpp>
#include <string>

#include "server_description.h"

namespace kvnsim {

ExplicitFax readFax(const nlohmann::json& value, const std::string& path,
                    std::uint32_t defaultHandle);

}  // namespace kvnsim

#endif  // KVNSIM_FAX_READER_H

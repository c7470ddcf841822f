// Reads the "faults" of a description: the failures the library is scripted
// to show, each with its error code.
#ifndef KVNSIM_FAULT_READER_H
#define KVNSIM_FAULT_READER_H

#include <nlohmann/json.hpp>
#include <string>

#include "server_description.h"

namespace kvnsim {

Faults readFaults(const nlohmann::json& value, const std::string& path);

}  // namespace kvnsim

#endif  // KVNSIM_FAULT_READER_H

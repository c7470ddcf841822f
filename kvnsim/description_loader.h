// Turns the JSON text of a server description into a ServerDescription,
// checking every member: a description is served whole or not at all.
#ifndef KVNSIM_DESCRIPTION_LOADER_H
#define KVNSIM_DESCRIPTION_LOADER_H

#include <memory>
#include <string>
#include <string_view>

#include "server_description.h"

namespace kvnsim {

struct DescriptionLoad {
  std::shared_ptr<const ServerDescription> server;  // null when the text is bad
  std::string problem;                              // what is wrong, and where
};

// Never throws.
DescriptionLoad loadServerDescription(std::string_view jsonText);

}  // namespace kvnsim

#endif  // KVNSIM_DESCRIPTION_LOADER_H

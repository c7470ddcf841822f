// Which server description a host text means: the embedded demo server, a
// description file named by the host text, or <folder>/<host>.json in the
// folder named by KVNSIM_SERVERS.
#ifndef KVNSIM_SERVER_LOCATOR_H
#define KVNSIM_SERVER_LOCATOR_H

#include <optional>
#include <string>
#include <string_view>

namespace kvnsim {

inline constexpr std::string_view kDemoHost = "demo";

struct DescriptionSource {
  enum class Kind { kDemo, kFile, kNotFound };
  Kind kind = Kind::kNotFound;
  std::string file;  // for kFile
};

// serversFolder is the value of KVNSIM_SERVERS, or null when it is not set.
DescriptionSource locateServer(std::string_view host, const char* serversFolder);

// The whole file, or nothing when it cannot be read.
std::optional<std::string> readDescriptionFile(const std::string& file);

// The JSON text of the embedded demo server.
std::string_view demoServerDescription();

}  // namespace kvnsim

#endif  // KVNSIM_SERVER_LOCATOR_H

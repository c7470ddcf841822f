#include "server_locator.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace kvnsim {

namespace {

bool isFile(const std::filesystem::path& path) {
  std::error_code failure;
  return std::filesystem::is_regular_file(path, failure);
}

}  // namespace

DescriptionSource locateServer(std::string_view host, const char* serversFolder) {
  if (host == kDemoHost) {
    return {DescriptionSource::Kind::kDemo, {}};
  }
  if (host.empty()) {
    return {};
  }
  if (isFile(std::filesystem::path(host))) {
    return {DescriptionSource::Kind::kFile, std::string(host)};
  }
  if (serversFolder != nullptr && *serversFolder != '\0') {
    const std::filesystem::path candidate =
        std::filesystem::path(serversFolder) / (std::string(host) + ".json");
    if (isFile(candidate)) {
      // With '/' between the parts on every system, so that the messages that
      // name the file read the same on Windows.
      return {DescriptionSource::Kind::kFile, candidate.generic_string()};
    }
  }
  return {};
}

std::optional<std::string> readDescriptionFile(const std::string& file) {
  std::ifstream stream(file, std::ios::binary);
  if (!stream) {
    return std::nullopt;
  }
  std::string text((std::istreambuf_iterator<char>(stream)), std::istreambuf_iterator<char>());
  if (stream.bad()) {
    return std::nullopt;
  }
  return text;
}

}  // namespace kvnsim

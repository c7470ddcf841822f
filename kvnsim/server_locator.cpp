#include "server_locator.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace kvnsim {

namespace {

// Asked of the system itself rather than through std::filesystem, whose
// Windows runtime imports C runtime calls that the oldest Windows the demo
// starts on lacks.
bool isFile(const std::string& path) {
#if defined(_WIN32)
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
#else
  struct stat status {};
  return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
#endif
}

#if defined(_WIN32)
constexpr std::string_view kSeparators = "/\\";
#else
constexpr std::string_view kSeparators = "/";
#endif

// folder/name, with '/' for every separator on Windows too, so that the
// messages that name the file read the same on every system.
std::string joinedPath(const std::string& folder, const std::string& name) {
  std::string path = folder;
  if (kSeparators.find(path.back()) == std::string_view::npos) {
    path += '/';
  }
  path += name;
#if defined(_WIN32)
  std::replace(path.begin(), path.end(), '\\', '/');
#endif
  return path;
}

}  // namespace

DescriptionSource locateServer(std::string_view host, const char* serversFolder) {
  if (host == kDemoHost) {
    return {DescriptionSource::Kind::kDemo, {}};
  }
  if (host.empty()) {
    return {};
  }
  if (isFile(std::string(host))) {
    return {DescriptionSource::Kind::kFile, std::string(host)};
  }
  if (serversFolder != nullptr && *serversFolder != '\0') {
    std::string candidate = joinedPath(serversFolder, std::string(host) + ".json");
    if (isFile(candidate)) {
      return {DescriptionSource::Kind::kFile, std::move(candidate)};
    }
  }
  return {};
}

std::optional<std::string> readDescriptionFile(const std::string& file) {
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> stream(std::fopen(file.c_str(), "rb"),
                                                               &std::fclose);
  if (!stream) {
    return std::nullopt;
  }
  std::string text;
  char block[4096];
  for (std::size_t got = 0; (got = std::fread(block, 1, sizeof block, stream.get())) > 0;) {
    text.append(block, got);
  }
  if (std::ferror(stream.get()) != 0) {
    return std::nullopt;
  }
  return text;
}

}  // namespace kvnsim

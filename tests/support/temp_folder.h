// A fresh temporary folder for one test, removed with everything in it.
#ifndef KVN_TESTS_SUPPORT_TEMP_FOLDER_H
#define KVN_TESTS_SUPPORT_TEMP_FOLDER_H

#include <filesystem>
#include <fstream>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace kvn::test {

// Its name is new on every construction, so that a test that uses its own
// folder never meets a file of another test or of an earlier run (the client
// library, for one, counts connection attempts per host text for the life of
// the process). Throws when no folder can be made.
class TempFolder {
 public:
  TempFolder() {
    std::random_device random;
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
      path_ = base / ("kvn-test-" + std::to_string(random()));
      if (std::filesystem::create_directory(path_)) {
        return;
      }
    }
    throw std::runtime_error("cannot create a temporary folder");
  }
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  TempFolder(TempFolder&&) = delete;
  TempFolder& operator=(TempFolder&&) = delete;

  [[nodiscard]] const std::filesystem::path& path() const { return path_; }

  // Writes <name> into the folder, byte for byte, and returns its path as a
  // text (a host text, for the client library).
  std::string write(const std::string& name, const std::string& content) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream stream(file, std::ios::binary);
    stream << content;
    if (!stream) {
      throw std::runtime_error("cannot write " + file.string());
    }
    return file.string();
  }

 private:
  std::filesystem::path path_;
};

}  // namespace kvn::test

#endif  // KVN_TESTS_SUPPORT_TEMP_FOLDER_H

// The data formats' bytes on their way to standard output. A pipe or a file
// takes them as they are, UTF-8, for the program that reads them. A Windows
// console shows bytes in its own code page, which is seldom UTF-8: there
// each fax goes out as wide characters, which it shows whatever that page.
#ifndef KVNSHOW_DATA_FORMATS_DATA_OUTPUT_H
#define KVNSHOW_DATA_FORMATS_DATA_OUTPUT_H

#include <cstdio>
#include <string_view>

namespace kvn {

class DataOutput {
 public:
  explicit DataOutput(std::FILE* out);

  // A ReportText's writer: ReportText report(&DataOutput::write, &output).
  static void write(void* output, std::string_view text);

  // What was written since the last flush goes out, whole, and is flushed.
  void flush();

 private:
  std::FILE* out_;
#if defined(_WIN32)
  void writeToConsole(std::string_view text);
  void* console_ = nullptr;  // standard output's console, when it is one
#endif
};

}  // namespace kvn

#endif  // KVNSHOW_DATA_FORMATS_DATA_OUTPUT_H

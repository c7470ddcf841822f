#include "kvnshow/data_formats/data_output.h"

#include "kvnprogram/output_failure.h"

#if defined(_WIN32)
#include <windows.h>

#include <algorithm>
#include <array>
#include <cstddef>
#endif

namespace kvn {

#if defined(_WIN32)
namespace {

// A fax's UTF-8 kept until its flush, so that it is converted whole; as much
// room as standard output's own buffer, which holds the longest fax.
std::array<char, std::size_t{64} * 1024> pendingText;
std::size_t pendingSize = 0;
// Its UTF-16: at most one unit a byte.
std::array<wchar_t, std::size_t{64} * 1024> wideText;
// Older consoles refuse one long write.
constexpr std::size_t kConsoleWrite = 8192;

}  // namespace
#endif

DataOutput::DataOutput(std::FILE* out) : out_(out) {
#if defined(_WIN32)
  HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
  DWORD mode = 0;
  if (out == stdout && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode) != 0) {
    console_ = handle;
  }
#endif
}

void DataOutput::write(void* output, std::string_view text) {
  auto& self = *static_cast<DataOutput*>(output);
#if defined(_WIN32)
  if (self.console_ != nullptr) {
    while (!text.empty()) {
      if (pendingSize == pendingText.size()) {
        // Not for a fax, which fits: a longer text goes out in parts.
        self.flush();
      }
      const std::size_t piece = std::min(text.size(), pendingText.size() - pendingSize);
      std::copy_n(text.data(), piece, pendingText.data() + pendingSize);
      pendingSize += piece;
      text.remove_prefix(piece);
    }
    return;
  }
#endif
  std::fwrite(text.data(), 1, text.size(), self.out_);
}

void DataOutput::flush() {
#if defined(_WIN32)
  if (console_ != nullptr) {
    writeToConsole(std::string_view(pendingText.data(), pendingSize));
    pendingSize = 0;
  }
#endif
  flushOutput(out_);
}

#if defined(_WIN32)
void DataOutput::writeToConsole(std::string_view text) {
  const int units = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                        wideText.data(), static_cast<int>(wideText.size()));
  for (std::size_t done = 0; done < static_cast<std::size_t>(std::max(units, 0));) {
    const auto piece = static_cast<DWORD>(std::min(kConsoleWrite, units - done));
    DWORD written = 0;
    if (WriteConsoleW(console_, wideText.data() + done, piece, &written, nullptr) == 0 ||
        written == 0) {
      // The console is gone: the stream says so as it would for a file.
      console_ = nullptr;
      std::fwrite(text.data(), 1, text.size(), out_);
      return;
    }
    done += written;
  }
}
#endif

}  // namespace kvn

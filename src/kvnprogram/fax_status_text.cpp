#include "kvnprogram/fax_status_text.h"

#include <array>
#include <cstdio>

namespace kvn {

namespace {

constexpr std::array<const char*, 21> kStatusNames = {
    "Unborn",      "Needs FCS", "Needs conversion", "Needs to be sent", "In conversion",
    "In send",     "Okay",      "Manual FCS",       "In schedule",      "Done error",
    "Duplicate",   "Error",     "Attention",        "Needs attachment", "Held",
    "In OCR",      "In print",  "Queued for print", "Queued for OCR",   "In validate",
    "In approval",
};

// "-2147483648" and its terminator.
std::array<char, 12> decimalStatus{};

}  // namespace

const char* faxStatusText(std::int32_t status) {
  const auto code = static_cast<std::uint32_t>(status);
  if (code < kStatusNames.size()) {
    const char* name = kStatusNames.at(code);
    return name;
  }
  std::snprintf(decimalStatus.data(), decimalStatus.size(), "%d", static_cast<int>(status));
  return decimalStatus.data();
}

}  // namespace kvn

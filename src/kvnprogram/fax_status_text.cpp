#include "kvnprogram/fax_status_text.h"

#include <array>
#include <cstdio>

#include "kvnprogram/fax_code_names.h"

namespace kvn {

namespace {

// "-2147483648" and its terminator.
std::array<char, 12> decimalStatus{};

}  // namespace

const char* faxStatusText(std::int32_t status) {
  if (const char* name = faxStatusName(static_cast<std::uint32_t>(status)); name != nullptr) {
    return name;
  }
  std::snprintf(decimalStatus.data(), decimalStatus.size(), "%d", static_cast<int>(status));
  return decimalStatus.data();
}

}  // namespace kvn

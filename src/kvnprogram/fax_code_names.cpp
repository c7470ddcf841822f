#include "kvnprogram/fax_code_names.h"

#include <array>

namespace kvn {

namespace {

constexpr std::array<const char*, 21> kStatusNames = {
    "Unborn",      "Needs FCS", "Needs conversion", "Needs to be sent", "In conversion",
    "In send",     "Okay",      "Manual FCS",       "In schedule",      "Done error",
    "Duplicate",   "Error",     "Attention",        "Needs attachment", "Held",
    "In OCR",      "In print",  "Queued for print", "Queued for OCR",   "In validate",
    "In approval",
};

constexpr std::array<const char*, 3> kPriorityNames = {"Normal", "Low", "High"};

// From code 1 on.
constexpr std::array<const char*, 5> kPrintJobTypeNames = {
    "PCL-5", "PostScript", "PCL-5/alt", "PostScript/alt", "ConversionList",
};

}  // namespace

const char* faxStatusName(std::uint32_t status) {
  return status < kStatusNames.size() ? kStatusNames.at(status) : nullptr;
}

const char* priorityName(std::uint8_t priority) {
  return priority < kPriorityNames.size() ? kPriorityNames.at(priority) : nullptr;
}

const char* printJobTypeName(std::int16_t printJobType) {
  if (printJobType < 1 || static_cast<std::size_t>(printJobType) > kPrintJobTypeNames.size()) {
    return nullptr;
  }
  return kPrintJobTypeNames.at(static_cast<std::size_t>(printJobType) - 1);
}

}  // namespace kvn

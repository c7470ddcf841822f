// The names of the codes of an extended fax record: its status, its priority
// and its print job type, the one table of each for every report. A code
// without a name has none here (null); how it is shown is each report's own.
#ifndef KVNPROGRAM_FAX_CODE_NAMES_H
#define KVNPROGRAM_FAX_CODE_NAMES_H

#include <cstdint>

namespace kvn {

// "Unborn" to "In approval" for 0 to 20.
const char* faxStatusName(std::uint32_t status);
// "Normal", "Low", "High" for 0 to 2.
const char* priorityName(std::uint8_t priority);
// "PCL-5" to "ConversionList" for 1 to 5.
const char* printJobTypeName(std::int16_t printJobType);

}  // namespace kvn

#endif  // KVNPROGRAM_FAX_CODE_NAMES_H

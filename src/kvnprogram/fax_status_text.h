// Names of the fax status codes of an extended fax record.
#ifndef KVNPROGRAM_FAX_STATUS_TEXT_H
#define KVNPROGRAM_FAX_STATUS_TEXT_H

#include <cstdint>

namespace kvn {

// The name of a status code from 0 to 20; any other code (compared without
// sign) in decimal, in a buffer of the function's own that the next decimal
// result overwrites. Not for use from more than one thread.
const char* faxStatusText(std::int32_t status);

}  // namespace kvn

#endif  // KVNPROGRAM_FAX_STATUS_TEXT_H

// The usage text of kvnshow.
#ifndef KVNSHOW_FRONT_END_USAGE_H
#define KVNSHOW_FRONT_END_USAGE_H

#include <cstdio>

namespace kvn {

// Writes the usage text and flushes the stream.
void writeUsage(std::FILE* out);

}  // namespace kvn

#endif  // KVNSHOW_FRONT_END_USAGE_H

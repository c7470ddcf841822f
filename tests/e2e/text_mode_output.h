// The Windows C runtime writes standard output in text mode: every line end
// reaches the file as CR LF. These undo that exactly, so that an output of the
// Windows program compares with the same expectations as the Linux one.
#ifndef KVN_TESTS_E2E_TEXT_MODE_OUTPUT_H
#define KVN_TESTS_E2E_TEXT_MODE_OUTPUT_H

#include <string>
#include <vector>

#include "e2e/output_events.h"

namespace kvn::e2e {

struct UntranslatedOutput {
  std::string bytes;    // the output as the program wrote it, before translation
  std::string problem;  // a line end that text mode cannot have written; empty if none
};

// Turns every CR LF into LF. Text mode writes no LF without its CR, so a lone LF
// is reported as a problem (and kept as it is).
UntranslatedOutput undoTextMode(const std::string& written);

// The output offsets of events logged against the written file, moved to the
// same places in the untranslated output. An offset that falls between a CR
// and its LF lands just before the LF, in the middle of the line.
std::vector<OutputEvent> untranslatedOffsets(const std::string& written,
                                             std::vector<OutputEvent> events);

}  // namespace kvn::e2e

#endif  // KVN_TESTS_E2E_TEXT_MODE_OUTPUT_H

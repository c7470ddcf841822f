// The twelve flag positions a fax shows: as letters in the one-line listing
// and as words in the verbose report, in the same order.
#ifndef KVNSHOW_TEXT_REPORTS_FAX_FLAGS_H
#define KVNSHOW_TEXT_REPORTS_FAX_FLAGS_H

#include <array>
#include <cstddef>

#include "kvnapi/kvnrecords.h"
#include "kvnshow/text_reports/report_text.h"

namespace kvn {

inline constexpr std::size_t kFaxFlagPositions = 12;

// One character a position, terminated: "R" or "S" first, "-" for a clear
// position.
using FaxFlagLetters = std::array<char, kFaxFlagPositions + 1>;
FaxFlagLetters faxFlagLetters(const FaxListEntryView& entry);

// The words of the set positions and of those clear positions that have a
// word, each with its own leading blank, e.g. " recv view unprint".
void addFaxFlagWords(ReportText& report, const FaxListEntryView& entry);

}  // namespace kvn

#endif  // KVNSHOW_TEXT_REPORTS_FAX_FLAGS_H

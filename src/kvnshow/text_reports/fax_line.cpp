#include "kvnshow/text_reports/fax_line.h"

#include "kvnshow/text_reports/fax_flags.h"

namespace kvn {

// "%s  %s %3d", the folder as " %2s" with "M" or " %2d", then " %-15s" with
// the unique-ID; the extended line adds " %s %-10s" with the file and DID.
void addFaxLine(ReportText& report, const FaxListEntryView& entry, std::string_view dateText,
                const ExtendedFaxView* extended) {
  const FaxFlagLetters letters = faxFlagLetters(entry);
  report.add(std::string_view(letters.data(), kFaxFlagPositions));
  report.add("  ");
  report.add(dateText);
  report.add(' ');
  report.addDecimal(entry.pages(), 3);
  report.add(' ');
  if (entry.folder() == 0) {
    report.add(" M");
  } else {
    report.addDecimal(entry.folder(), 2);
  }
  report.add(' ');
  report.addLeftAligned(entry.uniqueId(), 15);
  if (extended != nullptr) {
    report.add(' ');
    report.add(extended->faxFile());
    report.add(' ');
    report.addLeftAligned(extended->did(), 10);
  }
  report.add('\n');
}

}  // namespace kvn

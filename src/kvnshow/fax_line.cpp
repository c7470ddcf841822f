#include "kvnshow/fax_line.h"

#include "kvnshow/fax_flags.h"
#include "kvnshow/text_output.h"

namespace kvn {

// "Fol" is one column wider than the folder numbers, so "UniqueID" stands one
// column right of the IDs under it.
void writeFaxLineHeader(std::FILE* out) {
  std::fprintf(out, "%-12s  %-10s %-8s %3s %2s %s\n", "Flags", "Date", "Time", "Pg", "Fol",
               "UniqueID");
}

void writeFaxLine(std::FILE* out, const FaxListEntryView& entry, const char* dateText,
                  const ExtendedFaxView* extended) {
  std::fprintf(out, "%s  %s %3d", faxFlagLetters(entry).data(), dateText, entry.pages());
  if (entry.folder() == 0) {
    std::fprintf(out, " %2s", "M");
  } else {
    std::fprintf(out, " %2d", entry.folder());
  }
  std::fputc(' ', out);
  writeLeftAligned(out, entry.uniqueId(), 15);
  if (extended != nullptr) {
    std::fputc(' ', out);
    writeText(out, extended->faxFile());
    std::fputc(' ', out);
    writeLeftAligned(out, extended->did(), 10);
  }
  std::fputc('\n', out);
}

}  // namespace kvn

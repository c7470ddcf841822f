#include "kvnshow/verbose_fax_report.h"

#include <cinttypes>
#include <string_view>

#include "kvnprogram/fax_status_text.h"
#include "kvnshow/fax_flags.h"
#include "kvnshow/text_output.h"

namespace kvn {

namespace {

// Every value starts in column 19: two blanks, the label, blanks to 18.
void writeTextLine(std::FILE* out, const char* labelColumns, std::string_view text) {
  std::fputs(labelColumns, out);
  writeText(out, text);
  std::fputc('\n', out);
}

}  // namespace

const char* priorityName(std::uint8_t priority) {
  switch (priority) {
    case 0:
      return "Normal";
    case 1:
      return "Low";
    case 2:
      return "High";
    default:
      return "Unknown";
  }
}

const char* printJobTypeName(std::int16_t printJobType) {
  switch (printJobType) {
    case 1:
      return "PCL-5";
    case 2:
      return "PostScript";
    case 3:
      return "PCL-5/alt";
    case 4:
      return "PostScript/alt";
    case 5:
      return "ConversionList";
    default:
      return "Unknown";
  }
}

void writeVerboseFaxReport(std::FILE* out, const FaxListEntryView& entry, std::int64_t ordinal,
                           const char* dateText, const ExtendedFaxView& record) {
  if (ordinal > 1) {
    std::fputc('\n', out);
  }
  std::fprintf(out, "%" PRId64 " ", ordinal);
  writeText(out, entry.uniqueId());
  std::fputs("\n  Flags          ", out);
  writeFaxFlagWords(out, entry);
  std::fputc('\n', out);

  writeTextLine(out, "  FaxFile         ", record.faxFile());
  std::fprintf(out, "  Handle          %08" PRIX32 "\n", entry.faxHandle());
  std::fprintf(out, "  %s        %s Z\n", entry.hasFlag(FaxFlagReceived) ? "RecvDate" : "SendDate",
               dateText);
  writeTextLine(out, "  DID             ", record.did());
  std::fprintf(out, "  Pages           %d\n", record.pages());
  std::fprintf(out, "  Error           %d\n", record.errorCode());
  std::fprintf(out, "  Status          %d, %s\n", record.status(), faxStatusText(record.status()));
  // The seconds as a signed 32-bit number, minutes and seconds without sign.
  const std::uint32_t sendTime = record.sendTime();
  std::fprintf(out, "  SendTime        %" PRId32 " sec, %" PRIu32 ":%02" PRIu32 "\n",
               static_cast<std::int32_t>(sendTime), sendTime / 60, sendTime % 60);
  writeTextLine(out, "  OwnerID         ", record.ownerId());
  if (!entry.faxUserId().empty()) {
    writeTextLine(out, "  UserID          ", entry.faxUserId());
  }
  std::fprintf(out, "  Folder          %d%s\n", record.folder(),
               record.folder() == 0 ? ", Main" : "");
  writeTextLine(out, "  RemoteID        ", record.remoteId());
  writeTextLine(out, "  FromName        ", record.fromName());
  writeTextLine(out, "  FromPhone       ", record.fromPhone());
  writeTextLine(out, "  Comment         ", record.comment());
  writeTextLine(out, "  ToName          ", record.toName());
  writeTextLine(out, "  ToPhone         ", record.toPhone());
  writeTextLine(out, "  ToCompany       ", record.toCompany());
  writeTextLine(out, "  ToCityState     ", record.toCityState());
  writeTextLine(out, "  ToContact       ", record.toContact());
  writeTextLine(out, "  BillInfo1       ", record.billInfo1());
  writeTextLine(out, "  BillInfo2       ", record.billInfo2());
  writeTextLine(out, "  OperatorPhone   ", record.operatorPhone());
  writeTextLine(out, "  GeneralFaxPhone ", record.generalFaxPhone());
  std::fprintf(out, "  FaxID           %d\n", record.faxId());
  std::fprintf(out, "  JobID           %d\n", record.jobId());
  writeTextLine(out, "  Coversheet      ", record.coversheet());
  std::fprintf(out, "  PaperType       %d\n", record.paperType());
  std::fprintf(out, "  FaxType         %d\n", record.faxType());
  std::fprintf(out, "  Disposition     %d\n", record.disposition());
  std::fprintf(out, "  Custom1         %d\n", record.custom1());
  std::fprintf(out, "  Priority        %d, %s\n", record.priority(),
               priorityName(record.priority()));
  std::fprintf(out, "  PrintJobType    %d, %s\n", record.printJobType(),
               printJobTypeName(record.printJobType()));
}

}  // namespace kvn

#include "kvnshow/text_reports/verbose_fax_report.h"

#include <string_view>

#include "kvnprogram/fax_code_names.h"
#include "kvnprogram/fax_status_text.h"
#include "kvnshow/text_reports/fax_flags.h"

namespace kvn {

namespace {

// Every value starts in column 19: two blanks, the label, blanks to 18. The
// type holds the label to exactly those 18 columns, and its fixed length lets
// the compiler copy it without a call.
using LabelColumns = const char (&)[19];

void addLabel(ReportText& report, LabelColumns labelColumns) {
  report.add(std::string_view(labelColumns, sizeof labelColumns - 1));
}

void addTextLine(ReportText& report, LabelColumns labelColumns, std::string_view text) {
  addLabel(report, labelColumns);
  report.add(text);
  report.add('\n');
}

void addNumberLine(ReportText& report, LabelColumns labelColumns, std::int64_t number) {
  addLabel(report, labelColumns);
  report.addDecimal(number);
  report.add('\n');
}

// "%d, %s\n": a code and its name.
void addNamedNumberLine(ReportText& report, LabelColumns labelColumns, std::int64_t number,
                        std::string_view name) {
  addLabel(report, labelColumns);
  report.addDecimal(number);
  report.add(", ");
  report.add(name);
  report.add('\n');
}

// A priority or print job type without a name.
std::string_view nameOrUnknown(const char* name) {
  return name != nullptr ? std::string_view(name) : std::string_view("Unknown");
}

}  // namespace

void addVerboseFaxReport(ReportText& report, const FaxListEntryView& entry, std::int64_t ordinal,
                         std::string_view dateText, const ExtendedFaxView& record) {
  report.addDecimal(ordinal);
  report.add(' ');
  report.add(entry.uniqueId());
  report.add("\n  Flags          ");
  addFaxFlagWords(report, entry);
  report.add('\n');

  addTextLine(report, "  FaxFile         ", record.faxFile());
  report.add("  Handle          ");
  report.addHex8(entry.faxHandle());
  report.add(entry.hasFlag(FaxFlagReceived) ? "\n  RecvDate        " : "\n  SendDate        ");
  report.add(dateText);
  report.add(" Z\n");
  addTextLine(report, "  DID             ", record.did());
  addNumberLine(report, "  Pages           ", record.pages());
  addNumberLine(report, "  Error           ", record.errorCode());
  addNamedNumberLine(report, "  Status          ", record.status(), faxStatusText(record.status()));
  // The seconds as a signed 32-bit number, minutes and seconds without sign.
  const std::uint32_t sendTime = record.sendTime();
  report.add("  SendTime        ");
  report.addDecimal(static_cast<std::int32_t>(sendTime));
  report.add(" sec, ");
  report.addDecimal(sendTime / 60);
  report.add(':');
  report.add(static_cast<char>('0' + sendTime % 60 / 10));
  report.add(static_cast<char>('0' + sendTime % 10));
  report.add('\n');
  addTextLine(report, "  OwnerID         ", record.ownerId());
  if (!entry.faxUserId().empty()) {
    addTextLine(report, "  UserID          ", entry.faxUserId());
  }
  report.add("  Folder          ");
  report.addDecimal(record.folder());
  report.add(record.folder() == 0 ? ", Main\n" : "\n");
  addTextLine(report, "  RemoteID        ", record.remoteId());
  addTextLine(report, "  FromName        ", record.fromName());
  addTextLine(report, "  FromPhone       ", record.fromPhone());
  addTextLine(report, "  Comment         ", record.comment());
  addTextLine(report, "  ToName          ", record.toName());
  addTextLine(report, "  ToPhone         ", record.toPhone());
  addTextLine(report, "  ToCompany       ", record.toCompany());
  addTextLine(report, "  ToCityState     ", record.toCityState());
  addTextLine(report, "  ToContact       ", record.toContact());
  addTextLine(report, "  BillInfo1       ", record.billInfo1());
  addTextLine(report, "  BillInfo2       ", record.billInfo2());
  addTextLine(report, "  OperatorPhone   ", record.operatorPhone());
  addTextLine(report, "  GeneralFaxPhone ", record.generalFaxPhone());
  addNumberLine(report, "  FaxID           ", record.faxId());
  addNumberLine(report, "  JobID           ", record.jobId());
  addTextLine(report, "  Coversheet      ", record.coversheet());
  addNumberLine(report, "  PaperType       ", record.paperType());
  addNumberLine(report, "  FaxType         ", record.faxType());
  addNumberLine(report, "  Disposition     ", record.disposition());
  addNumberLine(report, "  Custom1         ", record.custom1());
  addNamedNumberLine(report, "  Priority        ", record.priority(),
                     nameOrUnknown(priorityName(record.priority())));
  addNamedNumberLine(report, "  PrintJobType    ", record.printJobType(),
                     nameOrUnknown(printJobTypeName(record.printJobType())));
}

}  // namespace kvn

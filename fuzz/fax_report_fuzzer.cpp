// One fax rendered in every report style from arbitrary record bytes: the
// brief line, the extended line and the verbose block, with any server offset,
// in UTC and in local time. The harness reads the documented layouts itself,
// byte by byte, and checks what the renderers wrote against them.
//
// Input: a control byte (bit 0: UTC; the rest: the fax's ordinal less one),
// the server's offset in seconds (4 bytes, little-endian), the 216-byte
// FaxListEntry, the 1868-byte ExtendedFaxRecord. Missing bytes read as zero.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "captured_stream.h"
#include "harness_checks.h"
#include "hex_text.h"
#include "kvnapi/kvnrecords.h"
#include "kvnprogram/fax_code_names.h"
#include "kvnshow/listing/listing_frame.h"
#include "kvnshow/listing/listing_options.h"
#include "kvnshow/text_reports/fax_date_text.h"
#include "kvnshow/text_reports/fax_line.h"
#include "kvnshow/text_reports/report_text.h"
#include "kvnshow/text_reports/verbose_fax_report.h"
#include "raw_layout.h"
#include "utc_date_text.h"

namespace {

constexpr std::size_t kEntrySize = 216;
constexpr std::size_t kRecordSize = 1868;

struct Input {
  bool utc = false;
  std::int64_t ordinal = 1;
  std::int32_t tzOffset = 0;
  std::array<unsigned char, kEntrySize> entry{};
  std::array<unsigned char, kRecordSize> record{};
};

std::string leftAligned(std::string text, std::size_t width) {
  text.resize(std::max(text.size(), width), ' ');
  return text;
}

std::string rightAligned(const std::string& text, std::size_t width) {
  return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

Input splitInput(const std::uint8_t* data, std::size_t size) {
  std::array<unsigned char, 1 + 4 + kEntrySize + kRecordSize> bytes{};
  std::copy_n(data, std::min(size, bytes.size()), bytes.begin());
  Input input;
  input.utc = (bytes[0] & 1U) != 0;
  input.ordinal = 1 + (bytes[0] >> 1U);
  input.tzOffset = static_cast<std::int32_t>(littleEndian(bytes.data() + 1, 4));
  std::copy_n(bytes.begin() + 5, kEntrySize, input.entry.begin());
  std::copy_n(bytes.begin() + 5 + kEntrySize, kRecordSize, input.record.begin());
  return input;
}

// The twelve flag letters: R/S, then v p f a h 1 2 d from the flag bits, then
// fine resolution, cover sheet and error from their own fields.
std::string flagLetters(const unsigned char* entry) {
  const std::uint64_t flags = littleEndian(entry + 4, 4);
  std::string letters = (flags & 0x10U) != 0 ? "R" : "S";
  const std::array<std::pair<std::uint64_t, char>, 8> bits = {{{0x4, 'v'},
                                                               {0x2000, 'p'},
                                                               {0x200, 'f'},
                                                               {0x1000000, 'a'},
                                                               {0x2, 'h'},
                                                               {0x4000000, '1'},
                                                               {0x8000000, '2'},
                                                               {0x8, 'd'}}};
  for (const auto& [bit, letter] : bits) {
    letters += (flags & bit) != 0 ? letter : '-';
  }
  letters += (entry[114] & 1U) != 0 ? 'f' : '-';
  letters += (entry[116] & 1U) != 0 ? 'c' : '-';
  letters += littleEndian(entry + 108, 2) != 0 ? 'E' : '-';
  return letters;
}

// The words of the verbose Flags line, each with its blank: the word of a set
// position, or that of a clear one where it has one.
std::string flagWords(const std::string& letters) {
  static constexpr std::array<std::array<const char*, 2>, 12> kWords = {
      {{" recv", " sent"},
       {" view", " unview"},
       {" print", " unprint"},
       {" fwd", ""},
       {" approved", " unapproved"},
       {" held", " rel"},
       {" user1", ""},
       {" user2", ""},
       {" del", ""},
       {" fine", " coarse"},
       {" cover", ""},
       {" err", ""}}};
  std::string words;
  for (std::size_t i = 0; i < kWords.size(); ++i) {
    const bool set = i == 0 ? letters[0] == 'R' : letters[i] != '-';
    words += kWords[i][set ? 0 : 1];
  }
  return words;
}

void checkDateText(const char* date, bool utc, std::int64_t seconds) {
  const std::string text(date);
  if (text.size() != 19) {
    fail("the date text is not 19 characters: " + text);
  }
  if (text == kvn::kUnknownFaxDate) {
    return;  // every sum of two 32-bit values is a year 1833 to 2106: never expected
  }
  constexpr std::string_view kShape = "dddd-dd-dd dd:dd:dd";
  for (std::size_t i = 0; i < kShape.size(); ++i) {
    const bool digit = text[i] >= '0' && text[i] <= '9';
    if (kShape[i] == 'd' ? !digit : text[i] != kShape[i]) {
      fail("the date text is not YYYY-MM-DD HH:MM:SS: " + text);
    }
  }
  if (utc && text != utcDateText(seconds)) {
    fail("UTC date " + text + ", expected " + utcDateText(seconds));
  }
}

// Everything up to the unique-ID: flags, date, pages, folder.
std::string lineStart(const unsigned char* entry, const char* date) {
  const auto pages = static_cast<std::int16_t>(littleEndian(entry + 104, 2));
  const std::uint64_t folder = littleEndian(entry + 188, 2);
  return flagLetters(entry) + "  " + date + " " + rightAligned(std::to_string(pages), 3) + " " +
         (folder == 0 ? std::string(" M") : rightAligned(std::to_string(folder), 2)) + " ";
}

void checkLines(const Input& input, const char* date) {
  const kvn::FaxListEntryView entry(input.entry.data());
  const kvn::ExtendedFaxView details(input.record.data());
  const std::string uniqueId = textField(input.entry.data(), 172, 16);

  const std::string brief = kvn::test::rendered([&](std::FILE* out) {
    kvn::ReportText report(out);
    kvn::addFaxLine(report, entry, date, nullptr);
    report.writeOut();
  });
  const std::string expectedBrief =
      lineStart(input.entry.data(), date) + leftAligned(uniqueId, 15) + "\n";
  expectEqual("brief line", brief, expectedBrief);

  const std::string extended = kvn::test::rendered([&](std::FILE* out) {
    kvn::ReportText report(out);
    kvn::addFaxLine(report, entry, date, &details);
    report.writeOut();
  });
  const std::string expectedExtended = expectedBrief.substr(0, expectedBrief.size() - 1) + " " +
                                       textField(input.record.data(), 36, 28) + " " +
                                       leftAligned(textField(input.record.data(), 492, 32), 10) +
                                       "\n";
  expectEqual("extended line", extended, expectedExtended);
}

void checkVerbose(const Input& input, const char* date) {
  const kvn::FaxListEntryView entry(input.entry.data());
  const kvn::ExtendedFaxView details(input.record.data());
  const std::string block = kvn::test::rendered([&](std::FILE* out) {
    kvn::ReportText report(out);
    kvn::addReportFrame(report, input.ordinal, kvn::kReportVerbose);
    kvn::addVerboseFaxReport(report, entry, input.ordinal, date, details);
    report.writeOut();
  });

  const unsigned char* fax = input.entry.data();
  const std::string letters = flagLetters(fax);
  const std::string handle = kvn::test::hex8(static_cast<std::uint32_t>(littleEndian(fax, 4)));
  const std::string head =
      std::string(input.ordinal > 1 ? "\n" : "") + std::to_string(input.ordinal) + " " +
      textField(fax, 172, 16) + "\n  Flags          " + flagWords(letters) +
      "\n  FaxFile         " + textField(input.record.data(), 36, 28) + "\n  Handle          " +
      handle + "\n  " + (letters[0] == 'R' ? "RecvDate" : "SendDate") + "        " + date +
      " Z\n  DID             " + textField(input.record.data(), 492, 32) + "\n";
  expectEqual("verbose head", block.substr(0, head.size()), head);

  const auto printJobType = static_cast<std::int16_t>(littleEndian(input.record.data() + 68, 2));
  const char* name = kvn::printJobTypeName(printJobType);
  const std::string tail = "  PrintJobType    " + std::to_string(printJobType) + ", " +
                           (name != nullptr ? name : "Unknown") + "\n";
  if (block.size() < tail.size() || block.compare(block.size() - tail.size(), tail.size(), tail)) {
    fail("verbose block does not end with " + tail);
  }

  // The labels in their order; a text that holds a label can only make one
  // be found earlier, never missed.
  static constexpr std::array<const char*, 28> kLabels = {
      "  Pages           ", "  Error           ", "  Status          ", "  SendTime        ",
      "  OwnerID         ", "  Folder          ", "  RemoteID        ", "  FromName        ",
      "  FromPhone       ", "  Comment         ", "  ToName          ", "  ToPhone         ",
      "  ToCompany       ", "  ToCityState     ", "  ToContact       ", "  BillInfo1       ",
      "  BillInfo2       ", "  OperatorPhone   ", "  GeneralFaxPhone ", "  FaxID           ",
      "  JobID           ", "  Coversheet      ", "  PaperType       ", "  FaxType         ",
      "  Disposition     ", "  Custom1         ", "  Priority        ", "  PrintJobType    "};
  std::size_t at = head.size();
  for (const char* label : kLabels) {
    at = block.find(label, at);
    if (at == std::string::npos) {
      fail(std::string("verbose block lacks, in its place, the label ") + label);
    }
  }
}

// Local time with daylight saving, from the rule alone, whatever the machine's
// zone files hold.
bool useZoneWithDaylightSaving() {
  setenv("TZ", "EST5EDT,M3.2.0,M11.1.0", 1);  // NOLINT(concurrency-mt-unsafe): one thread
  tzset();
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool zoneSet = useZoneWithDaylightSaving();
  (void)zoneSet;
  const Input input = splitInput(data, size);
  const kvn::FaxListEntryView entry(input.entry.data());
  const std::int64_t seconds = kvn::faxUtcSeconds(entry.time(), input.tzOffset);
  if (seconds != static_cast<std::int32_t>(littleEndian(input.entry.data() + 8, 4)) +
                     std::int64_t{input.tzOffset}) {
    fail("the fax's UTC seconds are not its time plus the offset");
  }
  const kvn::CalendarText date =
      kvn::faxDateText(seconds, input.utc ? kvn::TimeZoneKind::Utc : kvn::TimeZoneKind::Local);
  checkDateText(date.data(), input.utc, seconds);
  checkLines(input, date.data());
  checkVerbose(input, date.data());
  return 0;
}

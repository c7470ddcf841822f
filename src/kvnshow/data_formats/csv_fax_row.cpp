#include "kvnshow/data_formats/csv_fax_row.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kvn {

namespace {

// ASCII bytes that a field takes as they are: all but the comma, the quote,
// CR and LF. A record text of these alone is the same bytes in UTF-8 and
// needs no quotes.
constexpr std::array<bool, 256> plainAsciiInField() {
  std::array<bool, 256> plain{};
  for (std::size_t byte = 0; byte < 0x80; ++byte) {
    plain[byte] = byte != ',' && byte != '"' && byte != '\r' && byte != '\n';
  }
  return plain;
}

constexpr std::array<bool, 256> kPlainAsciiInField = plainAsciiInField();

bool isPlainAsciiField(std::string_view ansi) {
  return std::all_of(ansi.begin(), ansi.end(),
                     [](char c) { return kPlainAsciiInField[static_cast<unsigned char>(c)]; });
}

void addCsvText(ReportText& report, std::string_view utf8) {
  if (utf8.find_first_of(",\"\r\n") == std::string_view::npos) {
    report.add(utf8);
    return;
  }
  report.add('"');
  for (std::size_t quote = utf8.find('"'); quote != std::string_view::npos;
       quote = utf8.find('"')) {
    report.add(utf8.substr(0, quote + 1));
    report.add('"');
    utf8.remove_prefix(quote + 1);
  }
  report.add(utf8);
  report.add('"');
}

// Writes the names alone when it has no converter (the header), else the
// values.
class CsvRowVisitor {
 public:
  CsvRowVisitor(ReportText& report, Utf8FromAnsi* utf8) : report_(report), utf8_(utf8) {}

  void text(std::string_view /*name*/, std::string_view ansi) {
    separate();
    // Most record texts: one pass, and out whole.
    if (isPlainAsciiField(ansi)) {
      report_.add(ansi);
      return;
    }
    addCsvText(report_, utf8_->convert(ansi));
  }
  void number(std::string_view /*name*/, std::int64_t value) {
    separate();
    report_.addDecimal(value);
  }
  void boolean(std::string_view /*name*/, bool value) {
    separate();
    report_.add(value ? std::string_view("true") : std::string_view("false"));
  }
  // This program's own texts hold nothing that needs quotes.
  void word(std::string_view /*name*/, std::string_view ascii) {
    separate();
    report_.add(ascii);
  }
  void handle(std::string_view /*name*/, std::uint32_t handle) {
    separate();
    report_.addHex8(handle);
  }
  // In the header, the name; in a row, an empty field.
  void none(std::string_view name) {
    separate();
    if (utf8_ == nullptr) {
      report_.add(name);
    }
  }
  void close() { report_.add("\r\n"); }

 private:
  void separate() {
    if (!first_) {
      report_.add(',');
    }
    first_ = false;
  }

  ReportText& report_;
  Utf8FromAnsi* utf8_;  // null for the header
  bool first_ = true;
};

}  // namespace

void addCsvHeader(ReportText& report, bool withDetails) {
  CsvRowVisitor visitor(report, nullptr);
  FaxDataSource names;
  names.withDetails = withDetails;
  visitFaxDataFields(visitor, names);
  visitor.close();
}

void addCsvFaxRow(ReportText& report, Utf8FromAnsi& utf8, const FaxDataSource& source) {
  CsvRowVisitor visitor(report, &utf8);
  visitFaxDataFields(visitor, source);
  visitor.close();
}

namespace {

void prepareCsvDocument() {}

void addCsvDocumentFax(ReportText& report, Utf8FromAnsi& utf8, const FaxDataSource& source,
                       bool /*first*/) {
  addCsvFaxRow(report, utf8, source);
}

// The table ends with its last row.
void addCsvDocumentEnd(ReportText& /*report*/, bool /*empty*/) {}

}  // namespace

const FaxDataSyntax kCsvFaxDocument{&prepareCsvDocument, &addCsvHeader, &addCsvDocumentFax,
                                    &addCsvDocumentEnd};

}  // namespace kvn

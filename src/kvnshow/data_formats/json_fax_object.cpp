#include "kvnshow/data_formats/json_fax_object.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kvn {

namespace {

// The first byte of U+0080 to U+00BF in UTF-8; the C1 controls among them
// (U+0080 to U+009F, which the bytes that Windows-1252 leaves undefined
// become) are escaped, as DEL is.
constexpr unsigned char kC1LeadByte = 0xC2;
constexpr unsigned char kLastC1ContinuationByte = 0x9F;

// Bytes that go into a string as they are: all but the quote, the backslash,
// the control characters below 0x20, DEL, and the byte that may begin a C1
// control, which addJsonString looks at with the byte after it.
constexpr std::array<bool, 256> plainInString() {
  std::array<bool, 256> plain{};
  for (std::size_t byte = 0x20; byte < plain.size(); ++byte) {
    plain[byte] = byte != '"' && byte != '\\' && byte != 0x7F && byte != kC1LeadByte;
  }
  return plain;
}

constexpr std::array<bool, 256> kPlainInString = plainInString();

// Of those, the ASCII ones: a record text of these alone is the same bytes in
// UTF-8 and needs no escape.
constexpr std::array<bool, 256> plainAsciiInString() {
  std::array<bool, 256> plain = plainInString();
  for (std::size_t byte = 0x80; byte < plain.size(); ++byte) {
    plain[byte] = false;
  }
  return plain;
}

constexpr std::array<bool, 256> kPlainAsciiInString = plainAsciiInString();

bool isPlainAsciiString(std::string_view ansi) {
  return std::all_of(ansi.begin(), ansi.end(),
                     [](char c) { return kPlainAsciiInString[static_cast<unsigned char>(c)]; });
}

bool isPlain(char c) {
  return kPlainInString[static_cast<unsigned char>(c)];
}

void addEscaped(ReportText& report, char c) {
  switch (c) {
    case '"':
      report.add("\\\"");
      return;
    case '\\':
      report.add("\\\\");
      return;
    case '\b':
      report.add("\\b");
      return;
    case '\f':
      report.add("\\f");
      return;
    case '\n':
      report.add("\\n");
      return;
    case '\r':
      report.add("\\r");
      return;
    case '\t':
      report.add("\\t");
      return;
    default: {
      static constexpr std::string_view kDigits = "0123456789abcdef";
      const auto byte = static_cast<unsigned char>(c);
      const std::array<char, 6> escape = {
          '\\', 'u', '0', '0', kDigits[byte >> 4], kDigits[byte & 0xFU]};
      report.add(std::string_view(escape.data(), escape.size()));
    }
  }
}

bool isC1Control(std::string_view utf8, std::size_t i) {
  return static_cast<unsigned char>(utf8[i]) == kC1LeadByte && i + 1 < utf8.size() &&
         static_cast<unsigned char>(utf8[i + 1]) <= kLastC1ContinuationByte;
}

// A quoted string; runs of plain bytes are added whole.
void addJsonString(ReportText& report, std::string_view utf8) {
  report.add('"');
  std::size_t runStart = 0;
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    if (isPlain(utf8[i])) {
      continue;
    }
    report.add(utf8.substr(runStart, i - runStart));
    if (isC1Control(utf8, i)) {
      ++i;  // the control's code is its second byte: U+0080 is C2 80
      addEscaped(report, utf8[i]);
    } else if (static_cast<unsigned char>(utf8[i]) == kC1LeadByte) {
      report.add(utf8[i]);  // U+00A0 to U+00BF
    } else {
      addEscaped(report, utf8[i]);
    }
    runStart = i + 1;
  }
  report.add(utf8.substr(runStart));
  report.add('"');
}

// Each field's key as it goes out, the brace or the comma before it
// included: '{"uniqueId":', then ',"faxHandle":' and so on, in the order of
// the walk, which is the same for every fax. Built once from the walk's own
// names, so that a fax adds each key with one copy.
class JsonKeys {
 public:
  JsonKeys() {
    FaxDataSource names;
    names.withDetails = true;
    visitFaxDataFields(*this, names);
  }

  std::string_view operator[](std::size_t field) const {
    const std::size_t start = field == 0 ? 0 : ends_[field - 1];
    return std::string_view(text_).substr(start, ends_[field] - start);
  }

  // The walk without values takes each field as none; the others are there
  // for the walk's other branches.
  void text(std::string_view name, std::string_view /*ansi*/) { none(name); }
  void number(std::string_view name, std::int64_t /*value*/) { none(name); }
  void boolean(std::string_view name, bool /*value*/) { none(name); }
  void word(std::string_view name, std::string_view /*ascii*/) { none(name); }
  void handle(std::string_view name, std::uint32_t /*handle*/) { none(name); }
  void none(std::string_view name) {
    text_ += ends_.empty() ? "{\"" : ",\"";
    text_ += name;
    text_ += "\":";
    ends_.push_back(text_.size());
  }

 private:
  std::string text_;
  std::vector<std::size_t> ends_;
};

const JsonKeys& jsonKeys() {
  static const JsonKeys keys;
  return keys;
}

class JsonObjectVisitor {
 public:
  JsonObjectVisitor(ReportText& report, Utf8FromAnsi& utf8)
      : report_(report), utf8_(utf8), keys_(jsonKeys()) {}

  // Most record texts are plain ASCII: one pass finds that, and they go out
  // whole, without the conversion and the escape pass.
  void text(std::string_view name, std::string_view ansi) {
    key(name);
    if (isPlainAsciiString(ansi)) {
      report_.add('"');
      report_.add(ansi);
      report_.add('"');
      return;
    }
    addJsonString(report_, utf8_.convert(ansi));
  }
  void number(std::string_view name, std::int64_t value) {
    key(name);
    report_.addDecimal(value);
  }
  void boolean(std::string_view name, bool value) {
    key(name);
    report_.add(value ? std::string_view("true") : std::string_view("false"));
  }
  // This program's own ASCII texts need no escape.
  void word(std::string_view name, std::string_view ascii) {
    key(name);
    report_.add('"');
    report_.add(ascii);
    report_.add('"');
  }
  void handle(std::string_view name, std::uint32_t handle) {
    key(name);
    report_.add('"');
    report_.addHex8(handle);
    report_.add('"');
  }
  void none(std::string_view name) {
    key(name);
    report_.add("null");
  }
  // Every fax has fields: the first key opened the object.
  void close() { report_.add('}'); }

 private:
  void key([[maybe_unused]] std::string_view name) {
    const std::string_view key = keys_[field_++];
    assert(key.substr(2, name.size()) == name);
    report_.add(key);
  }

  ReportText& report_;
  Utf8FromAnsi& utf8_;
  const JsonKeys& keys_;
  std::size_t field_ = 0;
};

}  // namespace

void prepareJsonFaxObjects() {
  (void)jsonKeys();
}

void addJsonFaxObject(ReportText& report, Utf8FromAnsi& utf8, const FaxDataSource& source) {
  JsonObjectVisitor visitor(report, utf8);
  visitFaxDataFields(visitor, source);
  visitor.close();
}

namespace {

void addJsonDocumentStart(ReportText& report, bool /*withDetails*/) {
  report.add('[');
}

void addJsonDocumentFax(ReportText& report, Utf8FromAnsi& utf8, const FaxDataSource& source,
                        bool first) {
  report.add(first ? std::string_view("\n") : std::string_view(",\n"));
  addJsonFaxObject(report, utf8, source);
}

void addJsonDocumentEnd(ReportText& report, bool empty) {
  report.add(empty ? "]\n" : "\n]\n");
}

}  // namespace

const FaxDataSyntax kJsonFaxDocument{&prepareJsonFaxObjects, &addJsonDocumentStart,
                                     &addJsonDocumentFax, &addJsonDocumentEnd};

}  // namespace kvn

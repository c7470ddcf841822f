// One piece of the listing's output, built in a local buffer and handed to the
// output stream with one fwrite: a fax in any style (its line, its verbose
// block with the frame around it, its JSON object or CSV row), the data
// document's start and end, or the line of a fax whose details cannot be
// loaded. A formatted stream call per piece costs several times more than the
// piece itself. Every byte still goes through the stream, so the stream's
// error state covers the text as it covers any other line.
#ifndef KVNSHOW_TEXT_REPORTS_REPORT_TEXT_H
#define KVNSHOW_TEXT_REPORTS_REPORT_TEXT_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string_view>

namespace kvn {

class ReportText {
 public:
  // Room for the longest verbose report, every text field of both records
  // full, with its labels: a report never needs more than one fwrite.
  static constexpr std::size_t kRoom = 4096;

  // Where the text goes: a stream, or a writer of the caller's own, which
  // takes the text in pieces as the stream would.
  using Writer = void (*)(void* target, std::string_view text);
  explicit ReportText(std::FILE* out) : writer_(&writeToStream), target_(out) {}
  ReportText(Writer writer, void* target) : writer_(writer), target_(target) {}
  ReportText(const ReportText&) = delete;
  ReportText& operator=(const ReportText&) = delete;
  ReportText(ReportText&&) = delete;
  ReportText& operator=(ReportText&&) = delete;
  ~ReportText() = default;

  // Inline: a report adds some eighty pieces, most of them a few bytes long.
  void add(std::string_view text) {
    if (text.size() > buffer_.size() - used_) {
      addBeyondRoom(text);
      return;
    }
    std::memcpy(buffer_.data() + used_, text.data(), text.size());
    used_ += text.size();
  }
  void add(char character) {
    if (used_ == buffer_.size()) {
      writeOut();
    }
    buffer_[used_++] = character;
  }
  // The text, then blanks up to width characters; a longer text is added
  // whole.
  void addLeftAligned(std::string_view text, std::size_t width);
  // The number in decimal, a minus sign first when negative, after blanks up
  // to width characters: printf's "%*d".
  void addDecimal(std::int64_t value, std::size_t width = 0);
  // Exactly eight upper-case hexadecimal digits.
  void addHex8(std::uint32_t value);

  // Hands the text to the stream and empties the buffer; does not flush.
  void writeOut();

 private:
  // The text does not fit behind what the buffer holds: that goes to the
  // stream first, and a text longer than the whole room follows it directly.
  void addBeyondRoom(std::string_view text);

  static constexpr std::size_t kLongestDecimal = 20;  // "-9223372036854775808"

  static void writeToStream(void* out, std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), static_cast<std::FILE*>(out));
  }

  Writer writer_;
  void* target_;
  std::size_t used_ = 0;
  std::array<char, kRoom> buffer_;  // only the first used_ bytes are set
};

}  // namespace kvn

#endif  // KVNSHOW_TEXT_REPORTS_REPORT_TEXT_H

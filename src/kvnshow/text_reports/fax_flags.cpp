#include "kvnshow/text_reports/fax_flags.h"

#include <string_view>

namespace kvn {

namespace {

struct FlagPosition {
  char setLetter;
  char clearLetter;
  std::string_view setWord;
  std::string_view clearWord;  // empty: nothing is written when clear
};

constexpr std::array<FlagPosition, kFaxFlagPositions> kPositions = {{
    {'R', 'S', " recv", " sent"},
    {'v', '-', " view", " unview"},
    {'p', '-', " print", " unprint"},
    {'f', '-', " fwd", ""},
    {'a', '-', " approved", " unapproved"},
    {'h', '-', " held", " rel"},
    {'1', '-', " user1", ""},
    {'2', '-', " user2", ""},
    {'d', '-', " del", ""},
    {'f', '-', " fine", " coarse"},
    {'c', '-', " cover", ""},
    {'E', '-', " err", ""},
}};

// Which positions are set, in the order of kPositions.
std::array<bool, kFaxFlagPositions> flagStates(const FaxListEntryView& entry) {
  const auto has = [&entry](std::uint32_t flag) { return entry.hasFlag(flag); };
  return {has(FaxFlagReceived), has(FaxFlagViewed), has(FaxFlagPrinted), has(FaxFlagForwarded),
          has(FaxFlagApproved), has(FaxFlagHeld),   has(FaxFlagUser1),   has(FaxFlagUser2),
          has(FaxFlagDeleted),  entry.fine(),       entry.cover(),       entry.errorCode() != 0};
}

}  // namespace

FaxFlagLetters faxFlagLetters(const FaxListEntryView& entry) {
  const auto states = flagStates(entry);
  FaxFlagLetters letters{};
  for (std::size_t i = 0; i < kFaxFlagPositions; ++i) {
    letters[i] = states[i] ? kPositions[i].setLetter : kPositions[i].clearLetter;
  }
  return letters;
}

void addFaxFlagWords(ReportText& report, const FaxListEntryView& entry) {
  const auto states = flagStates(entry);
  for (std::size_t i = 0; i < kFaxFlagPositions; ++i) {
    report.add(states[i] ? kPositions[i].setWord : kPositions[i].clearWord);
  }
}

}  // namespace kvn

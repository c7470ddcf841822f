#include "e2e/text_mode_output.h"

#include <gtest/gtest.h>

namespace kvn::e2e {
namespace {

TEST(TextModeOutput, TurnsEachCrLfIntoLf) {
  const UntranslatedOutput output = undoTextMode("a\r\n\r\nb c\r\n");
  EXPECT_EQ(output.bytes, "a\n\nb c\n");
  EXPECT_EQ(output.problem, "");
}

TEST(TextModeOutput, KeepsCarriageReturnsThatEndNoLine) {
  // A CR the program wrote itself before its line end arrives as CR CR LF.
  const UntranslatedOutput output = undoTextMode("a\rb\r\r\nc\r");
  EXPECT_EQ(output.bytes, "a\rb\r\nc\r");
  EXPECT_EQ(output.problem, "");
}

TEST(TextModeOutput, ReportsALineEndWithoutItsCarriageReturn) {
  const UntranslatedOutput output = undoTextMode("a\r\nb\nc\r\n");
  EXPECT_EQ(output.bytes, "a\nb\nc\n");
  EXPECT_EQ(output.problem, "a line end without its CR at byte 4: not written in text mode");
}

TEST(TextModeOutput, ReportsALineEndAtTheStart) {
  EXPECT_NE(undoTextMode("\nA\r\n").problem, "");
}

TEST(TextModeOutput, MovesOffsetsPastEachRemovedCarriageReturn) {
  const std::string written = "ab\r\n\r\ncd\r\nef";
  const std::vector<OutputEvent> moved = untranslatedOffsets(
      written, {{"start", 0}, {"line", 4}, {"blank", 6}, {"all", 12}, {"unknown", -1}});
  ASSERT_EQ(moved.size(), 5U);
  EXPECT_EQ(moved[0].outputOffset, 0);
  EXPECT_EQ(moved[1].outputOffset, 3);   // "ab\n"
  EXPECT_EQ(moved[2].outputOffset, 4);   // "ab\n\n"
  EXPECT_EQ(moved[3].outputOffset, 9);   // "ab\n\ncd\nef"
  EXPECT_EQ(moved[4].outputOffset, -1);  // unknown stays unknown
  EXPECT_EQ(moved[1].what, "line");
}

TEST(TextModeOutput, PutsAnOffsetBetweenCrAndLfInTheMiddleOfTheLine) {
  // Flushed after the CR only: the untranslated output is cut before the LF.
  const std::vector<OutputEvent> moved = untranslatedOffsets("ab\r\ncd\r\n", {{"call", 7}});
  ASSERT_EQ(moved.size(), 1U);
  EXPECT_EQ(moved[0].outputOffset, 5);  // "ab\ncd", no line end
}

TEST(TextModeOutput, LeavesOffsetsBeyondTheOutputForTheChecks) {
  const std::vector<OutputEvent> moved = untranslatedOffsets("a\r\n", {{"call", 9}});
  EXPECT_EQ(moved[0].outputOffset, 9);
}

}  // namespace
}  // namespace kvn::e2e

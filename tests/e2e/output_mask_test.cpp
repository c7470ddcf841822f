// Masking the unforeseeable end of an output line.
#include "e2e/output_mask.h"

#include <gtest/gtest.h>

namespace kvn::e2e {
namespace {

TEST(OutputMask, HidesTheRestOfEachLineAfterTheMask) {
  EXPECT_EQ(maskOutput("a\nerror: bad 1\nb\nerror: bad 2", {"error: "}),
            "a\nerror: <masked>\nb\nerror: <masked>");
}

TEST(OutputMask, LeavesLinesWithoutTheMaskAndLineEndsAlone) {
  EXPECT_EQ(maskOutput("x  \n\n", {"error: "}), "x  \n\n");
}

TEST(OutputMask, CutsAfterTheEarliestMaskOfTheLine) {
  EXPECT_EQ(maskOutput("a: b: c\n", {"b: ", "a: "}), "a: <masked>\n");
}

TEST(OutputMask, ComparesFromTheExpectedFirstLineOn) {
  EXPECT_EQ(outputFromFirstLineOf("a\nxb\nb\nc\n", "b\nc\n"), "b\nc\n") << "whole lines only";
  EXPECT_EQ(outputFromFirstLineOf("b\nb\n", "b\n"), "b\nb\n") << "the first of them";
  EXPECT_EQ(outputFromFirstLineOf("a\nc\n", "b\n"), "a\nc\n") << "no such line: all of it";
}

}  // namespace
}  // namespace kvn::e2e

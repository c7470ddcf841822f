// The conversion of one record text beyond ASCII: a 22-byte user-ID, the
// longest text of a brief data listing, in each kind of page. A brief -cp
// listing pays this once a fax whose user-ID is not plain ASCII.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string_view>

#include "kvnshow/data_formats/utf8_from_ansi.h"

namespace {

void convertText(benchmark::State& state, std::uint32_t page, std::string_view text) {
  auto converter = kvn::Utf8FromAnsi::open(page);
  if (!converter) {
    state.SkipWithError("this system cannot convert the page");
    return;
  }
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop is the count
    benchmark::DoNotOptimize(converter->convert(text).size());
  }
}

// A single-byte page: one table lookup a byte.
BENCHMARK_CAPTURE(convertText, cp1251, 1251,
                  "\xD1\xE8\xE4\xEE\xF0\xEE\xE2 \xC8\xE2\xE0\xED \xCF\xE5\xF2\xF0\xEE\xE2\xE8\xF7");
// A double-byte page, characters of the page alone: one call of the system.
BENCHMARK_CAPTURE(convertText, cp932, 932,
                  "\x93\x63\x92\x86\x91\xBE\x98\x59 \x8E\x52\x93\x63\x89\xD4\x8E\x71\x82\xA0");
// The same with a cut pair at its end: then one call a character.
BENCHMARK_CAPTURE(convertText, cp932_cut, 932,
                  "\x93\x63\x92\x86\x91\xBE\x98\x59 \x8E\x52\x93\x63\x89\xD4\x8E\x71\x82");

}  // namespace

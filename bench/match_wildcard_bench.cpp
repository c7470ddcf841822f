// The fax-ID matcher against the C library's fnmatch with case folding, on the
// same patterns (none has brackets, which fnmatch would read as a set), and
// the matcher's worst cases: patterns of thousands of '*'.
#include <benchmark/benchmark.h>
#include <fnmatch.h>

#include <array>
#include <cstddef>
#include <string>

#include "kvnprogram/match_wildcard.h"

namespace {

// Unique-IDs as the server hands them out: up to 15 characters.
constexpr std::array<const char*, 8> kIds = {
    "APP0438B2C87FE6",
    "WEB0438B2C87FE7",
    "GEN000740000000",
    "app0438b2c87fe8",
    "GEN0007400F423F",
    "A",
    "",
    "WEB0000000000A9",
};

// Typical patterns: a prefix, a suffix, a fixed shape, stars in the middle.
constexpr std::array<const char*, 7> kTypicalPatterns = {
    "APP*", "*9", "GEN0007????????", "*", "gen*4*f", "*b2c*", "web?????????a9",
};

template <typename Matcher>
void matchEveryId(benchmark::State& state, Matcher matches) {
  const char* pattern = kTypicalPatterns.at(static_cast<std::size_t>(state.range(0)));
  state.SetLabel(pattern);
  for (auto _ : state) {
    for (const char* id : kIds) {
      benchmark::DoNotOptimize(matches(id, pattern));
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kIds.size()));
}

void matchWildcardTypical(benchmark::State& state) {
  matchEveryId(state,
               [](const char* id, const char* pattern) { return kvn::matchWildcard(id, pattern); });
}
BENCHMARK(matchWildcardTypical)->DenseRange(0, kTypicalPatterns.size() - 1);

void fnmatchTypical(benchmark::State& state) {
  matchEveryId(state, [](const char* id, const char* pattern) {
    return fnmatch(pattern, id, FNM_CASEFOLD) == 0;
  });
}
BENCHMARK(fnmatchTypical)->DenseRange(0, kTypicalPatterns.size() - 1);

// A 15-character ID that no pattern below matches, so that every way of
// spreading the ID over the stars is tried before the answer.
constexpr const char* kWorstCaseId = "GEN000740000000";

// n consecutive '*' and a final 'x': one long run of stars.
std::string starRun(std::int64_t stars) {
  return std::string(static_cast<std::size_t>(stars), '*') + "x";
}

// n times "*0" and a final 'x': stars that each need a '0' after them, more
// of them than the ID has zeros.
std::string separatedStars(std::int64_t stars) {
  std::string pattern;
  for (std::int64_t i = 0; i < stars; ++i) {
    pattern += "*0";
  }
  return pattern + "x";
}

template <typename Matcher>
void matchWorstCase(benchmark::State& state, const std::string& pattern, Matcher matches) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(matches(kWorstCaseId, pattern.c_str()));
  }
  state.SetComplexityN(state.range(0));
}

void matchWildcardStarRun(benchmark::State& state) {
  matchWorstCase(state, starRun(state.range(0)), kvn::matchWildcard);
}
BENCHMARK(matchWildcardStarRun)->RangeMultiplier(10)->Range(10, 10000)->Complexity();

void fnmatchStarRun(benchmark::State& state) {
  matchWorstCase(state, starRun(state.range(0)), [](const char* id, const char* pattern) {
    return fnmatch(pattern, id, FNM_CASEFOLD) == 0;
  });
}
BENCHMARK(fnmatchStarRun)->RangeMultiplier(10)->Range(10, 10000)->Complexity();

void matchWildcardSeparatedStars(benchmark::State& state) {
  matchWorstCase(state, separatedStars(state.range(0)), kvn::matchWildcard);
}
BENCHMARK(matchWildcardSeparatedStars)->RangeMultiplier(10)->Range(10, 10000)->Complexity();

void fnmatchSeparatedStars(benchmark::State& state) {
  matchWorstCase(state, separatedStars(state.range(0)), [](const char* id, const char* pattern) {
    return fnmatch(pattern, id, FNM_CASEFOLD) == 0;
  });
}
BENCHMARK(fnmatchSeparatedStars)->RangeMultiplier(10)->Range(10, 10000)->Complexity();

}  // namespace

// The stand-in's sort of a user's fax list by date, calling compareFaxTimes
// back for every comparison, as KvnListSort does for kvnshow -t and -tr.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "fax_list.h"
#include "kvnshow/listing/compare_fax_times.h"
#include "kvnshow/listing/listing_options.h"

namespace {

// The generated faxes of one user, in the stand-in's order (by handle), which
// is random in time.
kvnsim::FaxList generatedList(std::uint32_t count) {
  kvnsim::User user;
  user.id = "BULK";
  user.generated = kvnsim::GeneratedFaxes{count, 7, kvnsim::kGeneratedHandleBase};
  return {user, kvnsim::FolderSelection::kEveryFolder, kvnsim::ListFaults{}};
}

void sortList(benchmark::State& state, std::int32_t order) {
  const kvnsim::FaxList unsorted = generatedList(static_cast<std::uint32_t>(state.range(0)));
  kvn::sortMode = order;
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop is the count
    state.PauseTiming();
    kvnsim::FaxList list = unsorted;
    state.ResumeTiming();
    benchmark::DoNotOptimize(list.sort(kvn::compareFaxTimes));
  }
  kvn::sortMode = kvn::kSortNone;
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void sortByDate(benchmark::State& state) {
  sortList(state, kvn::kSortByDate);
}
BENCHMARK(sortByDate)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void sortByReverseDate(benchmark::State& state) {
  sortList(state, kvn::kSortByReverseDate);
}
BENCHMARK(sortByReverseDate)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The same sort with a bare comparison of the two times: what compareFaxTimes
// adds to it (the program-wide sort order, the negation).
std::int32_t compareTimesOnly(const void* a, const void* b) {
  const std::int32_t timeA = kvn::FaxListEntryView(a).time();
  const std::int32_t timeB = kvn::FaxListEntryView(b).time();
  return timeA < timeB ? -1 : (timeA > timeB ? 1 : 0);
}

void sortByTimesOnly(benchmark::State& state) {
  const kvnsim::FaxList unsorted = generatedList(static_cast<std::uint32_t>(state.range(0)));
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop is the count
    state.PauseTiming();
    kvnsim::FaxList list = unsorted;
    state.ResumeTiming();
    benchmark::DoNotOptimize(list.sort(compareTimesOnly));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(sortByTimesOnly)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace

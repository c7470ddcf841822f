// One fax rendered in each report style, and its date text, as the listing
// does it for every selected fax. The reports go to a fully buffered stream on
// the null device and are not flushed: the flush is the same one system call
// whatever the rendering, and the end-to-end benchmark counts it.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <string_view>

#include "fax_generator.h"
#include "kvnapi/kvnrecords.h"
#include "kvnshow/listing/listing_frame.h"
#include "kvnshow/listing/listing_options.h"
#include "kvnshow/text_reports/fax_date_text.h"
#include "kvnshow/text_reports/fax_line.h"
#include "kvnshow/text_reports/report_text.h"
#include "kvnshow/text_reports/verbose_fax_report.h"

namespace {

// A received fax with a DID and a sent fax with a company and a cover sheet,
// both with full details, from the stand-in's generator.
struct SampleFax {
  std::array<unsigned char, kvn::fax_entry::kSize> entry{};
  std::array<unsigned char, kvn::extended_fax::kSize> details{};
};

SampleFax sampleFax(std::uint32_t position) {
  const kvnsim::GeneratedFaxes faxes{1000, 7, kvnsim::kGeneratedHandleBase};
  SampleFax fax;
  kvnsim::writeGeneratedEntry(faxes, "BULK", position, fax.entry.data());
  kvnsim::writeGeneratedDetails(faxes, "BULK", position, fax.details.data());
  return fax;
}

constexpr std::string_view kDateText = "2008-11-03 14:22:05";

// The null device, fully buffered as standard output is when it goes to a
// file.
class NullStream {
 public:
  NullStream() : file_(std::fopen("/dev/null", "w")) {}
  NullStream(const NullStream&) = delete;
  NullStream& operator=(const NullStream&) = delete;
  NullStream(NullStream&&) = delete;
  NullStream& operator=(NullStream&&) = delete;
  ~NullStream() {
    if (file_ != nullptr) {
      std::fclose(file_);
    }
  }
  std::FILE* get() const { return file_; }

 private:
  std::FILE* file_;
};

template <typename Render>
void renderReports(benchmark::State& state, Render render) {
  const NullStream stream;
  if (stream.get() == nullptr) {
    state.SkipWithError("cannot open the null device");
    return;
  }
  const std::array<SampleFax, 2> faxes = {sampleFax(0), sampleFax(1)};
  std::int64_t ordinal = 1;
  for (auto _ : state) {
    const SampleFax& fax = faxes.at(static_cast<std::size_t>(ordinal % 2));
    kvn::ReportText report(stream.get());
    render(report, kvn::FaxListEntryView(fax.entry.data()),
           kvn::ExtendedFaxView(fax.details.data()), ++ordinal);
    report.writeOut();
  }
  state.SetItemsProcessed(state.iterations());
}

void briefLine(benchmark::State& state) {
  renderReports(state, [](kvn::ReportText& report, const kvn::FaxListEntryView& entry,
                          const kvn::ExtendedFaxView& /*details*/, std::int64_t /*ordinal*/) {
    kvn::addFaxLine(report, entry, kDateText, nullptr);
  });
}
BENCHMARK(briefLine);

void extendedLine(benchmark::State& state) {
  renderReports(state, [](kvn::ReportText& report, const kvn::FaxListEntryView& entry,
                          const kvn::ExtendedFaxView& details, std::int64_t /*ordinal*/) {
    kvn::addFaxLine(report, entry, kDateText, &details);
  });
}
BENCHMARK(extendedLine);

void verboseBlock(benchmark::State& state) {
  renderReports(state, [](kvn::ReportText& report, const kvn::FaxListEntryView& entry,
                          const kvn::ExtendedFaxView& details, std::int64_t ordinal) {
    kvn::addReportFrame(report, ordinal, kvn::kReportVerbose);
    kvn::addVerboseFaxReport(report, entry, ordinal, kDateText, details);
  });
}
BENCHMARK(verboseBlock);

// The date text of every report: the calendar conversion and strftime.
void dateText(benchmark::State& state, kvn::TimeZoneKind zone) {
  std::int64_t seconds = 1225722125;  // 2008-11-03 14:22:05 UTC
  for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores): the loop is the count
    benchmark::DoNotOptimize(kvn::faxDateText(seconds, zone));
    seconds += 3607;  // a new date each time, as in a listing
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK_CAPTURE(dateText, utc, kvn::TimeZoneKind::Utc);
BENCHMARK_CAPTURE(dateText, local, kvn::TimeZoneKind::Local);

}  // namespace

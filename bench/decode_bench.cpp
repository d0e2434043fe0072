// Record decoding: unscrambling, the markup conversion and UTF-8 decoding.
#include <benchmark/benchmark.h>

#include "sample_archives.h"
#include "ylogs/archive/archive_reader.h"
#include "ylogs/archive/markup.h"
#include "ylogs/text/codepage.h"

namespace orvex::bench {
namespace {

// A whole file held in memory, record by record (bytes/s = archive bytes).
void BM_ReadArchiveRecords(benchmark::State& state) {
  const std::string archive = SampleArchive(static_cast<int>(state.range(0)), 1);
  const bool codes = state.range(1) != 0;
  for (auto _ : state) {
    std::size_t total = 0;
    ReadArchiveRecords(archive, "sample.dat", kSampleKey, codes, nullptr,
                       [&](DecodedRecord& r) { total += r.fragment.size(); });
    benchmark::DoNotOptimize(total);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * archive.size()));
}
BENCHMARK(BM_ReadArchiveRecords)->Args({25, 1})->Args({1000, 1})->Args({1000, 0});

// The markup conversion of one record's text, through the text reader.
void BM_ConvertMessageMarkup(benchmark::State& state) {
  const std::vector<testing::RecordToWrite> records = SampleRecords(200, 2);
  std::vector<std::string> scrambled;
  std::size_t bytes = 0;
  for (const testing::RecordToWrite& r : records) {
    scrambled.push_back(testing::Scramble(r.text, kSampleKey));
    bytes += r.text.size();
  }
  std::string out;
  for (auto _ : state) {
    for (const std::string& text : scrambled) {
      TextReader reader(text, 0, kSampleKey);
      ConvertMessageMarkupInto(reader, text.size(), true, out);
      benchmark::DoNotOptimize(out.data());
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * scrambled.size()));
}
BENCHMARK(BM_ConvertMessageMarkup);

// UTF-8 to the code page, in place, on converted fragments.
void BM_DecodeArchiveUtf8(benchmark::State& state) {
  std::vector<std::string> fragments;
  const std::string archive = SampleArchive(200, 3);
  ReadArchiveRecords(archive, "sample.dat", kSampleKey, true, nullptr,
                     [&](DecodedRecord& r) { fragments.push_back(r.fragment); });
  std::string text;
  for (auto _ : state) {
    for (const std::string& f : fragments) {
      text.assign(f);
      DecodeArchiveUtf8InPlace(text);
      benchmark::DoNotOptimize(text.data());
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * TotalSize(fragments)));
}
BENCHMARK(BM_DecodeArchiveUtf8);

}  // namespace
}  // namespace orvex::bench

// The tag strips, the font-size rewrite and the smiley substitution, on
// messages as the renderer hands them over.
#include <benchmark/benchmark.h>

#include "sample_archives.h"
#include "ylogs/archive/markup.h"
#include "ylogs/render/smileys.h"

namespace orvex::bench {
namespace {

const std::vector<std::string>& Fragments() {
  static const std::vector<std::string> kFragments = SampleFragments(500, 4);
  return kFragments;
}

template <void (*Strip)(std::string&)>
void BM_Strip(benchmark::State& state) {
  std::string text;
  for (auto _ : state) {
    for (const std::string& f : Fragments()) {
      text.assign(f);
      Strip(text);
      benchmark::DoNotOptimize(text.data());
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * TotalSize(Fragments())));
}
BENCHMARK_TEMPLATE(BM_Strip, StripFadeTagsInPlace);
BENCHMARK_TEMPLATE(BM_Strip, StripFontTagsInPlace);
BENCHMARK_TEMPLATE(BM_Strip, StripStyleTagsInPlace);

// The plain text: all three strips in their order.
void BM_PlainText(benchmark::State& state) {
  for (auto _ : state) {
    for (const std::string& f : Fragments()) benchmark::DoNotOptimize(PlainText(f));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * TotalSize(Fragments())));
}
BENCHMARK(BM_PlainText);

void BM_FontSizeRewrite(benchmark::State& state) {
  std::string text, spare;
  for (auto _ : state) {
    for (const std::string& f : Fragments()) {
      text.assign(f);
      FontSizeRewriteInPlace(text, spare);
      benchmark::DoNotOptimize(text.data());
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * TotalSize(Fragments())));
}
BENCHMARK(BM_FontSizeRewrite);

// The whole table of 97 emoticons over each message.
void BM_SubstituteSmileys(benchmark::State& state) {
  const std::vector<SmileyEntry>& table = DefaultSmileyTable();
  std::string text, spare;
  for (auto _ : state) {
    for (const std::string& f : Fragments()) {
      text.assign(f);
      SubstituteSmileysInPlace(text, table, "/opt/orvex/Smileys/", spare);
      benchmark::DoNotOptimize(text.data());
    }
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * TotalSize(Fragments())));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * Fragments().size()));
}
BENCHMARK(BM_SubstituteSmileys);

}  // namespace
}  // namespace orvex::bench

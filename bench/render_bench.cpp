// The renderer per file and per message, as the viewer and the search call
// it, and the search's counting.
#include <benchmark/benchmark.h>

#include "iso_formatter.h"
#include "sample_archives.h"
#include "tests/support/temp_folder.h"
#include "ylogs/base/file_error.h"
#include "ylogs/base/text_replace.h"
#include "ylogs/render/renderer.h"
#include "ylogs/views/search.h"

namespace orvex::bench {
namespace {

constexpr int kMessagesPerFile = 25;  // a day of the large set, on average

// One archive file on disk, in the folder layout the names are cut from.
class SampleFile {
 public:
  explicit SampleFile(int messages) {
    path_ = folder_ / "user1/Archive/Messages/pal/20050101-user1.dat";
    bytes_ = SampleArchive(messages, 5);
    testing::WriteBytes(path_, bytes_);
  }
  const std::string& path() const { return path_; }
  std::size_t size() const { return bytes_.size(); }

 private:
  testing::TempFolder folder_;
  std::string path_, bytes_;
};

const Theme& DefaultTheme() {
  static const Theme kTheme = ParseTheme(ReadWholeFile(ORVEX_SOURCE_DIR "/themes/default.th"));
  return kTheme;
}

enum Mode { kViewer, kViewerSmileys, kViewerHighlight, kSearch };

RenderSettings SettingsFor(Mode mode, const DateTimeFormatter& formatter) {
  RenderSettings s;
  s.theme = &DefaultTheme();
  s.smileys = &DefaultSmileyTable();
  s.program_folder = "/opt/orvex/";
  s.formatter = &formatter;
  s.options.smileys = mode == kViewerSmileys;
  if (mode == kViewerHighlight) s.highlight = "the";
  s.build_body = mode != kSearch;
  return s;
}

// RenderArchiveFile on one file; items are messages, bytes the file's.
void BM_RenderArchiveFile(benchmark::State& state) {
  const auto mode = static_cast<Mode>(state.range(0));
  const int messages = static_cast<int>(state.range(1));
  const SampleFile file(messages);
  IsoFormatter formatter;
  const RenderSettings settings = SettingsFor(mode, formatter);
  RenderState render_state;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        RenderArchiveFile(file.path(), mode == kSearch, settings, render_state));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * messages));
}
BENCHMARK(BM_RenderArchiveFile)
    ->ArgNames({"mode", "messages"})
    ->Args({kViewer, kMessagesPerFile})
    ->Args({kViewer, 1})
    ->Args({kViewer, 1000})
    ->Args({kViewerSmileys, kMessagesPerFile})
    ->Args({kViewerHighlight, kMessagesPerFile})
    ->Args({kSearch, kMessagesPerFile});

// The search's share per file: upper-casing the transcript and counting hits.
void BM_CountHits(benchmark::State& state) {
  const SampleFile file(kMessagesPerFile);
  IsoFormatter formatter;
  const RenderSettings settings = SettingsFor(kSearch, formatter);
  RenderState render_state;
  RenderArchiveFile(file.path(), true, settings, render_state);
  const std::string& transcript = render_state.file_transcript;
  const std::string pattern = state.range(0) ? "THE" : "E";
  std::string upper;
  for (auto _ : state) {
    UpperCaseAsciiInto(transcript, upper);
    benchmark::DoNotOptimize(CountHits(pattern, upper));
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * transcript.size()));
}
BENCHMARK(BM_CountHits)->Arg(0)->Arg(1);

}  // namespace
}  // namespace orvex::bench

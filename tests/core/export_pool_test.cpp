// Every export prepared side by side writes what writing one conversation
// after another writes, also when stopped or when a file in the middle fails.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <random>
#include <tuple>

#include "tests/support/archive_writer.h"
#include "tests/support/synthetic_messages.h"
#include "tests/support/temp_folder.h"
#include "ylogs/base/file_error.h"
#include "ylogs/export/export_writer.h"

namespace orvex {
namespace {

TEST(ExportConversations, SideBySideEqualsOneAfterAnother) {
  testing::TempFolder in;
  std::mt19937 rng(11);
  std::vector<ExportSource> sources;
  for (int f = 0; f < 120; ++f) {
    std::vector<testing::RecordToWrite> records(1 + f % 7);
    for (auto& r : records) {
      r.direction = static_cast<std::uint8_t>(rng() % 3);  // 2 raises a message
      r.text = testing::SyntheticMessage(rng);
    }
    const std::string buddy = "al" + std::to_string(f % 4), name = std::to_string(f) + ".dat";
    sources.push_back({in / ("bob/Archive/Messages/" + buddy + "/" + name), name, buddy, "bob", f});
    testing::WriteBytes(sources[f].path, f == 77 ? "\x01" : testing::EncodeArchive(records, "bob"));
  }
  const Theme theme{"<h>", "<c>", "%id:%text", "%id|%text", "</c>", "<f>%today"};
  // Files and bytes, messages, error, progress, text buffer, transcript, counts.
  auto run = [&](ExportFormat format, std::string stop, bool side_by_side) {
    testing::TempFolder out;
    TextItems seen, text;  // messages, progress and error in order; the text buffer
    RenderState state;
    RenderSettings settings;
    settings.theme = &theme;
    settings.messages = [&](const std::string& m) { seen.push_back(m); };
    const auto writer = MakeConversationWriter(
        format, {out.path(), &theme, settings, &state, &text, [] { return std::string("NOW"); }});
    const auto after = [&](std::size_t n) { return seen.emplace_back(std::to_string(n)) == stop; };
    try {
      if (side_by_side) {
        ExportConversations(sources, *writer, after);
      } else {  // the reference: one conversation after another
        writer->Begin(sources);
        bool stopped = false;
        for (std::size_t i = 0; i < sources.size() && !stopped; ++i) {
          writer->Commit(i, sources[i], *writer->Prepare(i, sources[i]));
          stopped = after(i + 1);
        }
        if (!stopped) writer->Finish();
      }
    } catch (const UserError& e) {
      seen.push_back(e.what());
    }
    std::map<std::string, std::string> files;
    for (const auto& e : std::filesystem::recursive_directory_iterator(out.path()))
      files[e.path().string().substr(out.path().size())] =
          e.is_regular_file() ? ReadWholeFile(e.path().string()) : "(folder)";
    return std::tuple(files, seen, text, state.file_transcript, state.counters);
  };
  for (ExportFormat format :
       {ExportFormat::kPage, ExportFormat::kTranscript, ExportFormat::kJson, ExportFormat::kSite})
    for (const char* stop : {"30", "0"})  // 0: on to the end or the failing file
      EXPECT_EQ(run(format, stop, true), run(format, stop, false)) << static_cast<int>(format);
}

}  // namespace
}  // namespace orvex

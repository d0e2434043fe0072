// The view's files rendered side by side give what rendering them one after
// another gives, byte for byte, also when a file in the middle fails.
#include <gtest/gtest.h>

#include <random>

#include "tests/support/archive_writer.h"
#include "tests/support/synthetic_messages.h"
#include "tests/support/temp_folder.h"
#include "ylogs/archive/document.h"
#include "ylogs/views/view_builder.h"

namespace orvex {
namespace {

TEST(BuildView, SideBySideEqualsOneAfterAnotherUpToTheFailingFile) {
  testing::TempFolder folder;
  std::mt19937 rng(7);
  std::vector<std::string> paths;
  for (int f = 0; f < 150; ++f) {
    std::vector<testing::RecordToWrite> records(1 + f % 9);
    for (auto& r : records) {
      r.direction = static_cast<std::uint8_t>(rng() % 3);  // 2 raises a message
      r.text = testing::SyntheticMessage(rng);
    }
    paths.push_back(folder /
                    ("bob/Archive/Messages/al/2005" + std::to_string(1000 + f) + "-bob.dat"));
    testing::WriteBytes(paths.back(), f == 97 ? "\x01" : testing::EncodeArchive(records, "bob"));
  }
  Theme theme{"<h>", "<c>", "%id:%text", "%id|%text", "</c>", "<f>"};
  RenderSettings settings;
  settings.theme = &theme;
  std::vector<std::string> seen;
  settings.messages = [&](const std::string& text) { seen.push_back(text); };

  // The reference: each file in turn, as the walk was written before.
  RenderState expected_state;
  TextItems expected_html = {theme.file_header}, expected_text;
  std::string expected_error;
  for (const std::string& path : paths) {
    expected_html.push_back(theme.conversation_header);
    try {
      expected_html.push_back(RenderArchiveFile(path, false, settings, expected_state));
    } catch (const std::exception& e) {
      expected_error = e.what();
      break;
    }
    expected_html.push_back(theme.conversation_footer);
    expected_text.push_back(expected_state.file_transcript);
  }
  EndDocument(expected_html, theme, "today");
  const std::vector<std::string> expected_messages = std::move(seen);

  seen.clear();
  RenderState state;
  ViewBuffers out;
  std::size_t last_shown = 0;
  try {
    BuildView(
        paths, theme, settings, state, out,
        [&](std::size_t i) {
          last_shown = i;
          return false;
        },
        [] { return std::string("today"); });
    ADD_FAILURE() << "the damaged file raised nothing";
  } catch (const std::exception& e) {
    EXPECT_EQ(e.what(), expected_error);
  }
  EXPECT_EQ(last_shown, 96u);
  EXPECT_EQ(JoinItems(out.html), JoinItems(expected_html));
  EXPECT_EQ(out.text, expected_text);
  EXPECT_EQ(seen, expected_messages);
  EXPECT_EQ(state.file_transcript, expected_state.file_transcript);
  for (int side = 0; side < 2; ++side) {
    EXPECT_EQ(state.counters.side[side].messages, expected_state.counters.side[side].messages);
    EXPECT_EQ(state.counters.side[side].words, expected_state.counters.side[side].words);
    EXPECT_EQ(state.counters.side[side].started, expected_state.counters.side[side].started);
  }
}

}  // namespace
}  // namespace orvex

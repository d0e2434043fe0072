// The view's files rendered side by side give what rendering them one after
// another gives, byte for byte, also when a file in the middle fails or the
// walk is cancelled.
#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "tests/support/archive_writer.h"
#include "tests/support/synthetic_messages.h"
#include "tests/support/temp_folder.h"
#include "ylogs/base/file_error.h"
#include "ylogs/render/document.h"
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
    paths.push_back(folder / ("bob/Archive/Messages/al/2005" + std::to_string(1000 + f) + ".dat"));
    testing::WriteBytes(paths.back(), f == 97 ? "\x01" : testing::EncodeArchive(records, "bob"));
  }
  const Theme theme{"<h>", "<c>", "%id:%text", "%id|%text", "</c>", "<f>"};
  RenderSettings settings;
  settings.theme = &theme;
  std::vector<std::string> seen;
  settings.messages = [&](const std::string& text) { seen.push_back(text); };

  // The reference: one file after another, as the walk was written before.
  RenderState expected;
  ViewBuffers reference;
  reference.html = {theme.file_header};
  for (const std::string& path : paths) {
    reference.html.push_back(theme.conversation_header);
    try {
      reference.html.push_back(RenderArchiveFile(path, false, settings, expected));
    } catch (const FileError&) {
      break;
    }
    reference.html.push_back(theme.conversation_footer);
    reference.text.push_back(expected.file_transcript);
  }
  EndDocument(reference.html, theme, "today");
  const std::vector<std::string> expected_messages = std::exchange(seen, {});

  RenderState state;
  ViewBuffers out;
  std::size_t shown = 0;
  EXPECT_THROW(BuildView(
                   paths, theme, settings, state, out,
                   [&](std::size_t) {
                     ++shown;
                     return false;
                   },
                   [] { return std::string("today"); }),
               FileError);
  EXPECT_EQ(shown, 97u);
  EXPECT_EQ(JoinItems(out.html), JoinItems(reference.html));
  EXPECT_EQ(out.text, reference.text);
  EXPECT_EQ(seen, expected_messages);
  EXPECT_EQ(state.file_transcript, expected.file_transcript);
  EXPECT_TRUE(state.counters == expected.counters);

  // Cancelled after the 40th file: the state holds that file's transcript.
  RenderState cancelled;
  ViewBuffers part;
  BuildView(
      paths, theme, settings, cancelled, part, [](std::size_t i) { return i == 39; },
      [] { return std::string("today"); });
  ASSERT_EQ(part.text.size(), 40u);
  EXPECT_EQ(cancelled.file_transcript, reference.text[39]);
}

}  // namespace
}  // namespace orvex

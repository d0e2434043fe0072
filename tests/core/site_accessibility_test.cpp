// The website in each theme, in headless Chromium: tests/browser/axe_check.mjs
// finds no serious or critical accessibility fault on any kind of page, light
// or dark, no page wider than a 360 px screen, and no message, however
// hostile, reaching into the rest of its day page.
#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/support/archive_writer.h"
#include "tests/support/run_program.h"
#include "tests/support/temp_folder.h"

namespace orvex {
namespace {

namespace fs = std::filesystem;
using testing::Code;
using testing::RecordToWrite;

const fs::path kBrowserChecks = fs::path(__FILE__).parent_path().parent_path() / "browser";

TEST(SiteAccessibility, EveryPageOfEveryThemePassesAxeAndFitsAPhone) {
  if (!fs::exists("/usr/bin/chromium") || !fs::exists(kBrowserChecks / "node_modules/axe-core")) {
    GTEST_SKIP() << "needs /usr/bin/chromium and npm ci in " << kBrowserChecks;
  }
  testing::TempFolder profiles;
  const std::string identity = "alice_with_a_rather_long_identity_name_for_small_screens";
  // One file a day, `day` days after 2006-01-01, one message per text.
  const auto write = [&](const std::string& friend_name, int day, std::vector<std::string> texts) {
    std::vector<RecordToWrite> records(texts.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
      records[i].time_value = testing::TimeValueFromUnixSeconds(
          static_cast<std::uint32_t>(1136073600 + day * 86400 + i * 60));
      records[i].direction = static_cast<std::uint8_t>(i % 2);
      records[i].text = texts[i];
    }
    const std::time_t time = 1136073600 + day * 86400;
    char date[16];
    std::strftime(date, sizeof date, "%Y%m%d", std::gmtime(&time));
    testing::WriteBytes(profiles / (identity + "/Archive/Messages/" + friend_name + "/" + date +
                                    "-" + identity + ".dat"),
                        testing::EncodeArchive(records, identity));
  };
  write("bob", 0,
        {Code("1m") + "bold" + Code("x1m") + " and :) " + Code("#FF8000m") + "orange",
         Code("38m") + "red :D " + Code("2m") + "italic", "plain"});
  write(std::string(90, 'w') + "_a_friend_whose_name_is_long", 1, {"hi :)"});
  for (int day = 0; day < 1000; ++day) write("carol", day * 4, {"day"});
  // Messages that would reach into the rest of the page, were they markup.
  write("mallory", 2,
        {"<b>unclosed <i>bold", "<font color=\"red>a broken quote", "<u title='x>y",
         "</div></div></main></body></html>", "<!-- an open comment", "<textarea>swallowed",
         "<script>document.title='owned'</script><img src=x onerror=alert(1)>",
         std::string("a NUL\0 byte", 12), "<table><tr><td>cell", "<style>body{display:none}",
         "<plaintext>the rest"});

  for (const char* theme : {"default", "classic", "compact", "dark", "print"}) {
    SCOPED_TRACE(theme);
    testing::TempFolder site;
    const auto exported = testing::RunProgram(
        ORVEX_CLI, {"export", profiles.path(), site.path(), "--site", "--all", "--smileys",
                    "--theme", std::string(ORVEX_BIN_DIR) + "themes/" + theme + ".th"});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const auto checked = testing::RunProgram(
        "/usr/bin/env", {"node", kBrowserChecks / "axe_check.mjs", site.path()});
    EXPECT_EQ(checked.status, 0) << checked.out << checked.err;
  }
}

}  // namespace
}  // namespace orvex

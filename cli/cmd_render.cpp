// orvex-cli render: the page, transcript or statistics the viewer would give.
#include <memory>

#include "cli_common.h"
#include "commands.h"
#include "ylogs/archive/codepage.h"
#include "ylogs/archive/document.h"
#include "ylogs/archive/file_error.h"
#include "ylogs/archive/statistics.h"

namespace orvex::cli {
namespace {

struct RenderArgs {
  std::vector<std::string> files;
  RenderOptions options;
  bool transcript = false;
  bool stats = false;
};

int RunRender(const CLI::App& app, const RenderArgs& args) {
  const RenderOptions& o = args.options;
  const std::string folder = ProgramFolder();
  Theme theme;
  try {
    const std::string path = o.theme_path.empty() ? ThemeFilePath(folder, "default") : o.theme_path;
    theme = ParseTheme(ReadWholeFile(path));
  } catch (const UserError& e) {
    ReportError(e.what());
    return kExitError;
  }
  StrftimeFormatter formatter(o.date_format, o.time_format);
  RenderSettings settings;
  settings.theme = &theme;
  settings.options = {!o.no_date, !o.no_time, !o.no_bold, !o.no_fonts, o.smileys, !o.raw};
  if (o.highlight) settings.highlight = Utf8ToAnsi(*o.highlight);
  settings.smileys = &DefaultSmileyTable();
  settings.program_folder = folder;
  settings.loose = LooseNamesFrom(app, o.user, o.friend_name);
  settings.formatter = &formatter;
  settings.messages = ReportMessage;

  RenderState state;
  TextItems page;
  TextItems text;
  BeginDocument(page, theme);
  int status = kExitOk;
  std::string error;
  for (const std::string& file : args.files) {
    page.push_back(theme.conversation_header);
    try {
      page.push_back(RenderArchiveFile(file, o.text_only, settings, state));
    } catch (const UserError& e) {
      error = e.what();
      status = kExitError;
      break;
    }
    page.push_back(theme.conversation_footer);
    text.push_back(state.file_transcript);
  }
  EndDocument(page, theme, formatter.DateTime(NowDayCount()));

  if (args.stats) {
    WriteOut(StatisticsGridText(state.counters));
  } else {
    WriteOut(JoinItems(args.transcript ? text : page));
  }
  if (status != kExitOk) ReportError(error);
  return status;
}

}  // namespace

Command AddRenderCommand(CLI::App& app) {
  auto args = std::make_shared<RenderArgs>();
  CLI::App* sub = app.add_subcommand("render", "write the page the viewer would show");
  sub->add_option("FILE", args->files, "archive files, in page order")->required();
  AddRenderOptions(*sub, args->options);
  sub->add_flag("--transcript", args->transcript, "write the text buffer instead of the page");
  sub->add_flag("--stats", args->stats, "write the statistics grid instead of the page");
  return {sub, [sub, args] { return RunRender(*sub, *args); }};
}

}  // namespace orvex::cli

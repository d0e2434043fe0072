// orvex-cli render: the page, transcript or statistics the viewer would give.
#include <memory>

#include "cli_common.h"
#include "commands.h"
#include "ylogs/base/file_error.h"
#include "ylogs/render/document.h"
#include "ylogs/render/statistics.h"
#include "ylogs/text/codepage.h"
#include "ylogs/views/view_builder.h"

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
  Theme theme;
  try {
    theme = LoadThemeFile(o.theme_path.empty() ? ThemeFilePath(ProgramFolder(), "default")
                                               : o.theme_path);
  } catch (const UserError& e) {
    ReportError(e.what());
    return kExitError;
  }
  StrftimeFormatter formatter(o.date_format, o.time_format);
  const RenderSettings settings = MakeRenderSettings(app, o, theme, formatter);

  // The viewer's walk, with the text-only switch the viewer never sets.
  RenderState state;
  ViewBuffers buffers;
  std::string error;
  try {
    BuildView(
        args.files, theme, settings, state, buffers, nullptr,
        [&] { return formatter.DateTime(NowDayCount()); }, o.text_only);
  } catch (const UserError& e) {
    error = e.what();
  }
  if (args.stats) {
    WriteOut(StatisticsGridText(state.counters));
  } else {
    WriteOut(JoinItems(args.transcript ? buffers.text : buffers.html));
  }
  if (error.empty()) return kExitOk;
  ReportError(error);
  return kExitError;
}

}  // namespace

Command AddRenderCommand(CLI::App& app) {
  auto args = std::make_shared<RenderArgs>();
  CLI::App* sub = app.add_subcommand("render", "write the page the viewer would show");
  sub->add_option("FILE", args->files, "archive files, in page order")
      ->required()
      ->transform(PathArgument());
  AddRenderOptions(*sub, args->options);
  sub->add_flag("--transcript", args->transcript, "write the text buffer instead of the page");
  sub->add_flag("--stats", args->stats, "write the statistics grid instead of the page");
  return {sub, [sub, args] { return RunRender(*sub, *args); }};
}

}  // namespace orvex::cli

// orvex-cli export: one file per listed conversation, as the batch export
// writes them.
#include <functional>
#include <memory>

#include "commands.h"
#include "export_run.h"
#include "progress.h"
#include "site_language.h"
#include "ylogs/base/file_error.h"
#include "ylogs/export/export.h"
#include "ylogs/export/export_writer.h"
#include "ylogs/export/site_style.h"
#include "ylogs/program/clock.h"
#include "ylogs/program/command_line.h"
#include "ylogs/text/codepage.h"

namespace orvex::cli {
namespace {

struct ExportArgs {
  SelectionArgs selection;
  std::string outdir;
  bool html = false;
  bool text = false;
  bool json = false;
  bool site = false;
  std::optional<std::string> lang;
  RenderOptions options;
};

constexpr const char* kUsage =
    "usage: orvex-cli export PROFILES OUTDIR [--html | --text | --json | --site] "
    "(--all | --favorites | --select NAME...) [options]";

int RunExport(const CLI::App& app, const ExportArgs& args) {
  const SelectionArgs& chosen = args.selection;
  if (!chosen.all && !chosen.favorites && chosen.select.empty()) {
    // Without a selection the list is empty: an export of nothing.
    ReportMessage("orvex-cli export: choose the conversations with --all, --favorites or --select");
    ReportMessage(kUsage);
    return kExitUsage;
  }
  Selection selection;
  try {
    selection = BuildSelection(args.selection);
  } catch (const CLI::ValidationError& e) {
    ReportMessage(std::string("orvex-cli export: ") + e.what());
    return kExitUsage;
  }
  // A folder that is no profiles folder is named as the window names it.
  const std::string problem =
      StartFolderProblem(selection.profiles, !selection.data.identity_names.empty());
  if (!problem.empty()) {
    ReportMessage(problem);
    return kExitError;
  }
  if (const std::string missing = MissingAlsoFolders(selection); !missing.empty()) {
    ReportMessage(missing);
    return kExitError;
  }
  if (args.outdir.empty()) {
    ReportError("Please choose an output directory first.");
    return kExitError;
  }
  const ExportFormat format = args.site   ? ExportFormat::kSite
                              : args.json ? ExportFormat::kJson
                              : args.text ? ExportFormat::kTranscript
                                          : ExportFormat::kPage;
  if (format == ExportFormat::kSite) {
    return WriteSiteInPlace(app, selection, args.outdir, args.options, SiteLanguage(args.lang));
  }
  return WriteExport(app, selection, args.outdir, format, args.options);
}

}  // namespace

int WriteExport(const CLI::App& app, const Selection& selection, const std::string& outdir,
                ExportFormat format, const RenderOptions& o, const std::string& language) {
  const std::string folder = ProgramFolder();
  const std::string theme_path =
      o.theme_path.empty() ? ThemeFilePath(folder, "default") : o.theme_path;
  Theme theme;
  try {
    theme = LoadThemeFile(theme_path);
  } catch (const UserError& e) {
    ReportError(e.what());
    return kExitError;
  }
  StrftimeFormatter formatter(o.date_format, o.time_format);
  RenderSettings settings = MakeRenderSettings(app, o, theme, formatter);

  std::vector<ExportSource> sources;
  for (const ConversationEntry& e : selection.build.entries) sources.push_back(ExportSourceFor(e));
  RenderState state;
  TextItems text_buffer;
  // Nothing is written over an archive file of the folder or of the list.
  ArchiveFileGuard guard;
  for (const std::string& profiles : selection.folders) guard.AddProfilesFolder(profiles);
  for (const ExportSource& s : sources) guard.AddFile(s.path);
  const ExportContext context{outdir,       &theme,
                              settings,     &state,
                              &text_buffer, [&] { return formatter.DateTime(NowLocalDayCount()); },
                              &guard,       IsDefaultThemeFile(theme_path),
                              language};
  try {
    MakeOutputFolder(outdir);  // whatever the format
    ConversationProgress progress(sources.size());
    ExportConversations(sources, *MakeConversationWriter(format, context), std::ref(progress));
  } catch (const UserError& e) {
    ReportError(e.what());
    return kExitError;
  }
  return kExitOk;
}

Command AddExportCommand(CLI::App& app) {
  auto args = std::make_shared<ExportArgs>();
  CLI::App* sub = app.add_subcommand("export", "write one file per listed conversation");
  AddSelectionOptions(*sub, args->selection);
  sub->add_option("OUTDIR", args->outdir, "the folder the files are written to")
      ->required()
      ->transform(PathArgument());
  auto* html = sub->add_flag("--html", args->html, "write HTML pages [default]");
  auto* text = sub->add_flag("--text", args->text, "write text transcripts");
  auto* json = sub->add_flag("--json", args->json, "write one JSON file each and index.json");
  auto* site = sub->add_flag("--site", args->site, "write a website of the whole list");
  const std::vector<CLI::Option*> formats = {html, text, json, site};
  for (CLI::Option* a : formats) {
    for (CLI::Option* b : formats) {
      if (a != b) a->excludes(b);
    }
  }
  sub->add_option("--lang", args->lang, "the language of the website's own texts [the system's]")
      ->type_name("LL")
      ->needs(site);
  AddRenderOptions(*sub, args->options);
  return {sub, [sub, args] { return RunExport(*sub, *args); }};
}

}  // namespace orvex::cli

// orvex-cli search: every listed conversation ranked by the hits of a text.
#include <memory>

#include "cli_common.h"
#include "commands.h"
#include "selection.h"
#include "ylogs/base/file_error.h"
#include "ylogs/text/codepage.h"
#include "ylogs/views/search.h"

namespace orvex::cli {
namespace {

struct SearchArgs {
  SelectionArgs selection;
  std::string text;
  bool raw = false;
};

int RunSearch(const SearchArgs& args) {
  Selection selection;
  try {
    selection = BuildSelection(args.selection);
  } catch (const CLI::ValidationError& e) {
    ReportMessage(std::string("orvex-cli search: ") + e.what());
    return kExitUsage;
  }
  const std::string text = Utf8ToAnsi(args.text);
  const std::vector<ConversationEntry>& entries = selection.build.entries;
  std::string out;
  if (text.empty()) {  // the window does nothing for an empty search box
    WriteOut(out);
    return kExitOk;
  }
  std::vector<std::string> paths;
  for (const ConversationEntry& e : entries) paths.push_back(e.path);

  RenderSettings settings;
  settings.options.format_codes = !args.raw;
  settings.smileys = &DefaultSmileyTable();
  settings.program_folder = ProgramFolder();
  settings.messages = ReportMessage;
  RenderState state;
  std::vector<std::int32_t> counts;
  std::string error;
  try {
    SearchFiles(paths, text, settings, state, counts, nullptr);
  } catch (const UserError& e) {
    error = e.what();
  }
  for (std::size_t i = 0; i < counts.size(); ++i) {
    out += std::to_string(counts[i]) + '\t' + paths[i] + '\n';
  }
  out += "searched " + std::to_string(counts.size()) + " of " + std::to_string(paths.size()) + '\n';
  WriteOut(out);
  if (!error.empty()) {
    ReportError(error);
    return kExitError;
  }
  return kExitOk;
}

}  // namespace

Command AddSearchCommand(CLI::App& app) {
  auto args = std::make_shared<SearchArgs>();
  CLI::App* sub = app.add_subcommand("search", "rank the listed conversations by a text's hits");
  AddSelectionOptions(*sub, args->selection);
  sub->add_option("TEXT", args->text, "the text to search for")->required();
  sub->add_flag("--raw", args->raw, "formatting codes off");
  return {sub, [args] { return RunSearch(*args); }};
}

}  // namespace orvex::cli

// orvex-cli browse: the website of a whole archive, found where the messenger
// left it, written to a folder of the user's own and opened in the browser.
#include <iostream>
#include <memory>

#include "commands.h"
#include "export_run.h"
#include "platform/desktop.h"
#include "platform/file_system.h"
#include "site_language.h"
#include "ylogs/discovery/archive_places.h"
#include "ylogs/discovery/profiles_folder.h"
#include "ylogs/export/site_folder.h"

namespace orvex::cli {
namespace {

constexpr char kWebsiteFolderName[] = "Orvex Messenger Archive";

struct BrowseArgs {
  SelectionArgs selection;
  std::string out;
  bool out_given = false;
  bool no_open = false;
  std::optional<std::string> lang;
  RenderOptions options;
};

void Say(const std::string& line) {
  std::cout << line << '\n' << std::flush;
}

std::string WithoutFinalSeparator(std::string folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  return folder;
}

// The profiles folders to read: the one given (or the one below it), else
// every place the messenger leaves its archives that holds them, as one
// history (the first as the main one). Empty when there is none.
std::vector<std::string> ProfilesToRead(const std::string& given) {
  if (!given.empty()) {
    if (auto below = ProfilesFolderAtOrBelow(given)) return {*below};
    std::cerr << "No message archives were found in " << given
              << ": give the folder that holds the profiles (identities) folder.\n";
    return {};
  }
  const std::vector<std::string> places = ArchivePlaces(PlacesEnvironment::FromSystem());
  std::vector<std::string> found = FindAllArchives(places);
  if (!found.empty()) return found;
  std::cerr << "No message archives were found. These folders were looked in:\n";
  for (const std::string& place : places) std::cerr << "  " << place << '\n';
  std::cerr << "Give the folder that holds them: orvex-cli browse FOLDER\n";
  return {};
}

int RunBrowse(const CLI::App& app, BrowseArgs args) {
  const std::vector<std::string> found = ProfilesToRead(args.selection.profiles);
  if (found.empty()) return kExitError;
  const std::string* profiles = &found.front();
  args.selection.profiles = *profiles;
  args.selection.also.insert(args.selection.also.begin(), found.begin() + 1, found.end());
  const SelectionArgs& s = args.selection;
  if (!s.all && !s.favorites && s.select.empty()) args.selection.all = true;
  Selection selection;
  try {
    selection = BuildSelection(args.selection);
  } catch (const CLI::ValidationError& e) {
    ReportMessage(std::string("orvex-cli browse: ") + e.what());
    return kExitUsage;
  }
  if (const std::string missing = MissingAlsoFolders(selection); !missing.empty()) {
    ReportMessage(missing);
    return kExitError;
  }
  const std::size_t count = selection.build.entries.size();
  for (std::size_t i = 1; i < selection.folders.size(); ++i) {
    Say("Reading as the same history the message archives in " + selection.folders[i]);
  }
  Say("Reading the message archives in " + *profiles + ": " + std::to_string(count) +
      " conversations of " + std::to_string(selection.data.identity_names.size()) + " identities.");

  const std::string folder =
      WithoutFinalSeparator(args.out_given ? args.out : UserDocumentsFolder() + kWebsiteFolderName);
  if (const std::string refusal = SiteFolderRefusal(folder, selection.folders); !refusal.empty()) {
    ReportMessage(refusal);
    return kExitUsage;
  }
  Say("Writing the website to " + folder);
  if (const int status =
          WriteSiteInPlace(app, selection, folder, args.options, SiteLanguage(args.lang));
      status != kExitOk) {
    return status;
  }
  const std::string index = folder + "/index.html";
  if (args.no_open) {
    Say("Done. Open " + index + " in a browser to read it.");
  } else if (OpenWithDefaultProgram(index) == 0) {
    Say("Done. " + index + " opens in your browser.");
  } else {
    Say("Done. No browser could be started: open " + index + " in a browser to read it.");
  }
  return kExitOk;
}

}  // namespace

Command AddBrowseCommand(CLI::App& app) {
  auto args = std::make_shared<BrowseArgs>();
  CLI::App* sub = app.add_subcommand(
      "browse", "write the website of the whole archive and open it in the browser");
  AddSelectionOptions(*sub, args->selection, false);
  sub->add_option("--out", args->out, "the folder the website is written to")
      ->transform(PathArgument())
      ->each([args](const std::string&) { args->out_given = true; });
  sub->add_flag("--no-open", args->no_open, "write the website without opening a browser");
  sub->add_option("--lang", args->lang, "the language of the website's own texts [the system's]")
      ->type_name("LL");
  AddRenderOptions(*sub, args->options);
  return {sub, [sub, args] { return RunBrowse(*sub, *args); }};
}

}  // namespace orvex::cli

// The website of `export --site` and `browse`: written beside its folder and
// put in its place once complete, over nothing but a site of its own.
#include <iostream>

#include "export_run.h"
#include "platform/file_system.h"
#include "ylogs/export/site_folder.h"

namespace orvex::cli {

int WriteSiteInPlace(const CLI::App& app, const Selection& selection, const std::string& folder,
                     const RenderOptions& options, const std::string& language) {
  if (const std::string refusal = SiteFolderRefusal(folder, selection.folders); !refusal.empty()) {
    ReportMessage(refusal);
    return kExitUsage;
  }
  std::size_t total = 0;
  const std::vector<std::string> foreign = ForeignEntries(folder, 5, total);
  if (!foreign.empty()) {
    ReportMessage(ForeignEntriesRefusal(folder, foreign, total));
    return kExitError;
  }
  const std::string work = MakeWorkFolder(folder);
  if (work.empty()) {
    ReportMessage("No folder could be made beside " + folder +
                  " to write the website in: check that the folder above it can be written.");
    return kExitError;
  }
  if (const int status =
          WriteExport(app, selection, WorkSite(work), ExportFormat::kSite, options, language);
      status != kExitOk) {
    files::RemoveTree(work);
    return status;
  }
  if (const int error = PutSiteInPlace(work, folder); error != 0) {
    std::cerr << "The website was written to " << WorkSite(work)
              << " but could not take the place of " << folder << " (error " << error
              << "): close what has it open and try again.\n";
    return kExitError;
  }
  return kExitOk;
}

}  // namespace orvex::cli

// The export shared by `export` and `browse`: the conversations a selection
// lists, written to a folder in one of the export formats.
#pragma once

#include <string>

#include "cli_common.h"
#include "selection.h"
#include "ylogs/export/export_writer.h"

namespace orvex::cli {

// Writes the files as the batch export writes them, with progress while
// standard error is a terminal, a website's own texts in `language`
// (SiteLanguage). An error goes to standard error; the result is the exit
// status.
int WriteExport(const CLI::App& app, const Selection& selection, const std::string& outdir,
                ExportFormat format, const RenderOptions& options,
                const std::string& language = "en");

// Writes the website into a work folder beside `folder` and puts it in
// `folder`'s place once it is complete. A folder that may hold no website
// (SiteFolderRefusal) is a usage error; one that holds anything the program
// did not write is refused with the list of it; either way nothing is
// written or removed.
int WriteSiteInPlace(const CLI::App& app, const Selection& selection, const std::string& folder,
                     const RenderOptions& options, const std::string& language);

}  // namespace orvex::cli

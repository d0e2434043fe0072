// The folder a website goes to. The program replaces only a website it
// wrote itself: each site lists the files it wrote in a manifest of its own,
// and a folder holding anything that list does not name is the user's and
// is never removed. The new site is written in a work folder beside the
// target that this run makes under a name nothing held before, and takes
// the target's place only once it is complete.
#pragma once

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace orvex {

// The manifest's name, at the site's root.
inline constexpr char kSiteManifestName[] = "orvex-website-files.txt";

// The manifest's text: a line that says what it is, then each file the site
// wrote, from the site's root with "/" between folders, CR LF after each.
std::string SiteManifestText(const std::vector<std::string>& files);

// The files the manifest in `folder` names; none when it holds no manifest.
std::optional<std::set<std::string>> SiteManifestFiles(const std::string& folder);

// Throws UserError for the first of `targets` (paths below `folder`) that
// exists and is not named by `written` (SiteManifestFiles): a site written
// into a folder never writes over a file the program did not write there.
void CheckSiteTargets(const std::string& folder, const std::vector<std::string>& targets,
                      const std::set<std::string>& written);

// Why a website may not be written to `folder` at all (empty when it may):
// an empty name, a file, a folder inside (or equal to) one of the profiles
// folders being read, or one inside a website the program wrote.
std::string SiteFolderRefusal(const std::string& folder,
                              const std::vector<std::string>& profiles_folders);

// What `folder` holds that the program did not write there, as paths from
// the folder, at most `limit` of them (and the count of all in `total`):
// nothing for a missing or empty folder or a site of the program's alone;
// everything in a folder without a manifest.
std::vector<std::string> ForeignEntries(const std::string& folder, std::size_t limit,
                                        std::size_t& total);

// The refusal's text for a folder holding `foreign` (ForeignEntries).
std::string ForeignEntriesRefusal(const std::string& folder,
                                  const std::vector<std::string>& foreign, std::size_t total);

// A work folder beside `folder` ("<folder>.partial", or with a number when
// that name is taken), made by this call; empty when none could be made.
// The site is written into WorkSite(work).
std::string MakeWorkFolder(const std::string& folder);
std::string WorkSite(const std::string& work);

// Puts the complete site of `work` in the place of `folder` (the earlier
// site moves into the work folder first), then removes the work folder.
// On failure the earlier site stays or is put back; gives the error number.
int PutSiteInPlace(const std::string& work, const std::string& folder);

}  // namespace orvex

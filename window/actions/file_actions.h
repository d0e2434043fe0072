// Deleting the listed conversations' files (to the trash), showing a
// conversation's folder, choosing the profiles folder, and listing archive
// files opened from anywhere (loose files).
#pragma once

namespace orvex {

class DiscoveryActions;
struct WindowContext;

class FileActions {
 public:
  FileActions(const WindowContext& context, DiscoveryActions& discovery)
      : ctx_(context), discovery_(discovery) {}

  void Delete2Click();
  void Showinexplorer1Click();
  void btnSelDirClick();
  void Opendatfile1Click();

 private:
  const WindowContext& ctx_;
  DiscoveryActions& discovery_;
};

}  // namespace orvex

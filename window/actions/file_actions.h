// The archive files themselves: deleting, showing their folder, choosing the
// profiles folder and opening files from anywhere.
#pragma once

#include <QCoreApplication>
#include <utility>

#include "window/actions/action_host.h"

namespace orvex {

class ContactTreePanel;
class ListPanel;
struct DiscoveryState;

class FileActions {
  Q_DECLARE_TR_FUNCTIONS(FileActions)

 public:
  FileActions(ContactTreePanel& contacts, ListPanel& list, DiscoveryState& discovery,
              ActionHost host)
      : contacts_(contacts), list_(list), discovery_(discovery), host_(std::move(host)) {}

  void Delete2Click();
  void Showinexplorer1Click();
  void btnSelDirClick();
  // "Add archive folder...": another profiles folder read with the path
  // box's as one history; "Remove added archive folders".
  void Addarchivefolder1Click();
  void Removeaddedarchivefolders1Click();
  void Opendatfile1Click();

 private:
  ContactTreePanel& contacts_;
  ListPanel& list_;
  DiscoveryState& discovery_;
  ActionHost host_;
};

}  // namespace orvex

// "Save as website..." and "Save as JSON files...": the whole of a list of
// conversations kept in UTF-8, with the batch export's dialog, progress and
// a way to stop between files.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <utility>

#include "window/actions/action_host.h"

namespace orvex {

class ExportActions;
class ListPanel;
class RenderChoices;
class ViewSession;

class KeepActions {
  Q_DECLARE_TR_FUNCTIONS(KeepActions)

 public:
  // The scopes as their dialog numbers them.
  enum KeepScope { kAllListed = 0, kOnlySelected = 1, kSelectedContacts = 2 };

  KeepActions(const ListPanel& list, const ViewSession& session, ExportActions& exports,
              const RenderChoices& choices, ActionHost host)
      : list_(list),
        session_(session),
        exports_(exports),
        choices_(choices),
        host_(std::move(host)) {}

  void Saveaswebsite1Click();
  void SaveasJSONfiles1Click();
  void ExportForKeeping(int scope, const QString& folder, bool site);

 private:
  // The dialog that asks for the folder and scope, then runs the export.
  void AskKeepingExport(bool site);
  // When a website is done: says so and offers to open its index.html.
  void OfferToOpenWebsite(const QString& folder);

  const ListPanel& list_;
  const ViewSession& session_;
  ExportActions& exports_;
  const RenderChoices& choices_;
  ActionHost host_;
};

}  // namespace orvex

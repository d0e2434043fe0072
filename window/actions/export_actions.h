// Saving the view as one file, one file per conversation, and the
// clipboard; the progress every export writes its files under.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <utility>
#include <vector>

#include "window/actions/action_host.h"
#include "ylogs/export/archive_file_guard.h"
#include "ylogs/export/export_writer.h"

namespace orvex {

class ContactTreePanel;
class ListPanel;
class LongActionRunner;
class RenderChoices;
class ViewSession;
struct DiscoveryState;

class ExportActions {
  Q_DECLARE_TR_FUNCTIONS(ExportActions)

 public:
  ExportActions(ContactTreePanel& contacts, const ListPanel& list, ViewSession& session,
                LongActionRunner& runner, const RenderChoices& choices,
                const DiscoveryState& discovery, ActionHost host)
      : contacts_(contacts),
        list_(list),
        session_(session),
        runner_(runner),
        choices_(choices),
        discovery_(discovery),
        host_(std::move(host)) {}

  void Save1Click();
  void Saveastext2Click();
  void Saveasindividualfiles1Click();
  void SaveasindividualHTMLfiles1Click();
  // The batch export of the dialog: scope as the dialog numbers it. Throws on
  // failure; files written before it stay.
  void ExportIndividualFiles(int scope, const QString& folder, bool html);
  void Copytoclipboard1Click();
  void Copyhtmlcodetoclipboard1Click();

  // Writes the sources through the long-action runner with the export's
  // progress dialog and its "Cancel"; true when the export was finished.
  // The runner refuses it while another long action runs.
  bool WriteExport(const std::vector<ExportSource>& sources, ExportFormat format,
                   const ExportContext& context);
  // The archive files no save or export may write over: those of the
  // profiles folder shown, the favourites, the loose files and the list.
  ArchiveFileGuard ArchiveGuard() const;

 private:
  // The dialog that asks for the folder and scope, then runs the export.
  void AskBatchExport(bool html);
  // Asks for a file name and writes the items into it.
  void SaveBuffer(const QString& filter, QString& last_name, const char* tested, const char* suffix,
                  const TextItems& items);

  ContactTreePanel& contacts_;
  const ListPanel& list_;
  ViewSession& session_;
  LongActionRunner& runner_;
  const RenderChoices& choices_;
  const DiscoveryState& discovery_;
  ActionHost host_;
  QString last_html_name_;  // the save dialogs remember their last name
  QString last_text_name_;
};

}  // namespace orvex

// Saving the view as one file, one file per conversation, and the
// clipboard; the progress every export writes its files under.
#pragma once

#include <QString>

#include <vector>

#include "ylogs/export/export_writer.h"

namespace orvex {

class DiscoveryActions;
struct WindowContext;

class ExportActions {
 public:
  ExportActions(const WindowContext& context, DiscoveryActions& discovery)
      : ctx_(context), discovery_(discovery) {}

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

 private:
  // The dialog that asks for the folder and scope, then runs the export.
  void AskBatchExport(bool html);

  const WindowContext& ctx_;
  DiscoveryActions& discovery_;
  QString last_html_name_;  // the save dialogs remember their last name
  QString last_text_name_;
};

}  // namespace orvex

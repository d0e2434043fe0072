// What the window's actions share: the window itself (the parent of their
// dialogs), what it takes from the system, its four panels, the long-action
// runner and the loose files. The main window fills it in as it builds its
// controls; an action reads it only when it runs.
#pragma once

#include <functional>
#include <string>

#include "ylogs/export/archive_file_guard.h"
#include "ylogs/render/renderer.h"

class QDialog;
class QWidget;

namespace orvex {

class ContactTreePanel;
class ListPanel;
class StatisticsPanel;
class ViewerPanel;
struct DiscoveryState;
struct FrmMainEnvironment;
struct RunState;

struct WindowContext {
  QWidget* window = nullptr;
  FrmMainEnvironment* env = nullptr;
  ContactTreePanel* contacts = nullptr;
  ListPanel* conversations = nullptr;
  ViewerPanel* viewer = nullptr;
  StatisticsPanel* statistics = nullptr;
  RunState* run = nullptr;
  DiscoveryState* discovery = nullptr;
  // Runs an action in the window's guard: an error is shown, not raised.
  std::function<bool(const std::function<void()>&)> guard;

  // Shows a dialog modally; its result.
  int ShowModal(QDialog& dialog) const;
  // The settings a rendering reads, as the window holds them now.
  RenderSettings CurrentRenderSettings() const;
  // The "%today" text of pages and exports.
  std::function<std::string()> TodayText() const;
  // The archive files no save or export may write over: those of the
  // profiles folder shown, the favourites, the loose files and the list.
  ArchiveFileGuard ArchiveGuard() const;
};

}  // namespace orvex

// What every action that talks to the user takes from the window: the
// window as the parent of its dialogs, the system's services, and the
// window's error guard. No panel is reached through it.
#pragma once

#include "window/handler_guard.h"

class QDialog;
class QWidget;

namespace orvex {

struct FrmMainEnvironment;

struct ActionHost {
  QWidget* window = nullptr;
  const FrmMainEnvironment* env = nullptr;
  Guard guard;

  // Shows a dialog modally; its result.
  int ShowModal(QDialog& dialog) const;
};

}  // namespace orvex

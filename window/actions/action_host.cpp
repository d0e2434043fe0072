#include "window/actions/action_host.h"

#include <QDialog>

#include "window/window_environment.h"

namespace orvex {

int ActionHost::ShowModal(QDialog& dialog) const {
  return env->show_modal ? env->show_modal(dialog) : dialog.exec();
}

}  // namespace orvex

// What the main window's save dialogs and printing remember between uses.
#pragma once

#include <QPrinter>
#include <QString>

#include <memory>

namespace orvex {

struct SaveState {
  QString last_html_name;  // the save dialogs remember their last name
  QString last_text_name;
  std::unique_ptr<QPrinter> printer;  // made on first use
};

}  // namespace orvex

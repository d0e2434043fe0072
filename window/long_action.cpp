#include "long_action.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>

#include <chrono>
#include <limits>

#include "ylogs/base/finally.h"

namespace orvex {
namespace {

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::TouchBegin:
    case QEvent::TabletPress:
    case QEvent::DragEnter:
    case QEvent::Drop:
      return true;
    default:
      return false;
  }
}

}  // namespace

void WaitPanelDisplay::Begin(int maximum, bool shown) {
  bar_->setMaximum(maximum);
  bar_->setValue(0);
  label_->clear();
  *cancel_request_ = false;  // a click that no walk saw must not stop this one
  paints_.emplace(panel_, 30);
  if (shown) {
    panel_->show();
    panel_->raise();
    focus_before_ = QApplication::focusWidget();
    if (auto* cancel = panel_->findChild<QPushButton*>()) cancel->setFocus(Qt::OtherFocusReason);
  }
}

void WaitPanelDisplay::SetPosition(int position) {
  if (paints_) paints_->Step();  // each file sets its position first, then its text
  bar_->setValue(position);
}

void WaitPanelDisplay::SetText(const QString& text) {
  label_->setText(text);
}

bool WaitPanelDisplay::TakeCancel() {
  if (!*cancel_request_) return false;
  *cancel_request_ = false;
  return true;
}

void WaitPanelDisplay::End() {
  paints_.reset();
  panel_->hide();
  if (focus_before_) focus_before_->setFocus(Qt::OtherFocusReason);
  focus_before_ = nullptr;
}

void DialogDisplay::Begin(int maximum, bool shown) {
  dialog_->setMaximum(maximum);
  dialog_->setValue(0);
  if (!shown) dialog_->setMinimumDuration(std::numeric_limits<int>::max());
}

void DialogDisplay::SetPosition(int position) {
  dialog_->setValue(position);
}

void DialogDisplay::SetText(const QString& text) {
  dialog_->setLabelText(text);
}

bool DialogDisplay::TakeCancel() {
  return dialog_->wasCanceled();
}

void DialogDisplay::RequestCancel() {
  dialog_->cancel();
}

void DialogDisplay::End() {
  dialog_->reset();
  dialog_->hide();
}

QWidget* DialogDisplay::widget() const {
  return dialog_;
}

void LongActionRunner::Run::SetPosition(int position) {
  if (display_) display_->SetPosition(position);
}

void LongActionRunner::Run::SetText(const QString& text) {
  if (display_) display_->SetText(text);
}

bool LongActionRunner::Run::TakeCancel() {
  return display_ && display_->TakeCancel();
}

void YieldToTheWindow() {
  QCoreApplication::processEvents();
}

void LongActionRunner::Run::Yield() {
  YieldToTheWindow();
}

bool LongActionRunner::Run::FileDone(int position, const QString& text) {
  SetPosition(position);
  Yield();
  SetText(text);
  return TakeCancel();
}

QString FilesDoneText(std::size_t files, std::size_t total, FilesDone done) {
  // Whole sentences, so that each language may order them its own way.
  switch (done) {
    case FilesDone::kProcessed:
      return LongActionRunner::tr("%1 files processed out of %2").arg(files).arg(total);
    case FilesDone::kSearched:
      return LongActionRunner::tr("%1 files searched out of %2").arg(files).arg(total);
    case FilesDone::kSaved:
      break;
  }
  return LongActionRunner::tr("%1 files saved out of %2").arg(files).arg(total);
}

LongActionRunner::LongActionRunner(QWidget* commands, QObject* parent)
    : QObject(parent), commands_(commands) {}

LongActionRunner::~LongActionRunner() {
  if (running_) qApp->removeEventFilter(this);
}

bool LongActionRunner::Execute(const Options& options, const std::function<void(Run&)>& work,
                               const std::function<void()>& finish) {
  if (running_) return false;
  running_ = true;
  allowed_ = options.display ? options.display->widget() : nullptr;
  display_ = options.display;
  const bool disable = options.show_progress || options.disable_commands;
  Finally end([this, options, disable] {
    qApp->removeEventFilter(this);
    // Commands usable again first: the focus goes back to one of them.
    if (disable && commands_) commands_->setEnabled(true);
    if (options.display) options.display->End();
    allowed_ = nullptr;
    display_ = nullptr;
    refused_windows_.clear();
    running_ = false;
    if (on_ended_) on_ended_();
  });
  for (QWidget* window : QApplication::topLevelWidgets()) refused_windows_.append(window);
  qApp->installEventFilter(this);
  if (options.display) options.display->Begin(options.maximum, options.show_progress);
  if (disable && commands_) commands_->setEnabled(false);
  Finally finishing(finish);
  Run run(options.display);
  work(run);
  return true;
}

bool LongActionRunner::eventFilter(QObject* watched, QEvent* event) {
  if (!running_ || !IsUserInput(event->type())) return false;
  // Escape anywhere in the program's windows is "Cancel".
  if (event->type() == QEvent::KeyPress && display_ &&
      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    display_->RequestCancel();
    return true;
  }
  // Input reaches a window first and its widget after: judge by the widget.
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget && event->type() != QEvent::Shortcut) return false;
  if (widget && allowed_ && (widget == allowed_ || allowed_->isAncestorOf(widget))) return false;
  if (widget && !refused_windows_.contains(widget->window())) return false;
  // The key belongs to the refused widget, so no shortcut takes it either.
  if (event->type() == QEvent::ShortcutOverride) event->accept();
  return true;
}

}  // namespace orvex

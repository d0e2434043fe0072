// The one runner of the window's long actions: the view, the search, the
// batch export and printing. One rule for all of them: while one runs, the
// window takes no other command. Input to anything but the action's own
// progress ("Cancel") is refused (a message box the action opens still takes
// it), and while its progress shows, the window's
// commands are shown disabled. The runner shows and fills the progress,
// yields to the event loop between files, hands the work the "Cancel" request
// and runs the finishing steps in every case.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

#include <chrono>
#include <cstddef>
#include <functional>
#include <future>
#include <optional>

#include "widgets/paint_throttle.h"

class QLabel;
class QProgressBar;
class QProgressDialog;

namespace orvex {

// Where a long action shows how far it has come and how it is cancelled.
class ProgressDisplay {
 public:
  virtual ~ProgressDisplay() = default;
  // Sets the maximum and position 0, clears the text and any cancel request
  // left over; shows the display when `shown`.
  virtual void Begin(int maximum, bool shown) = 0;
  virtual void SetPosition(int position) = 0;
  virtual void SetText(const QString& text) = 0;
  // Whether "Cancel" was pressed since the last call; clears the request.
  virtual bool TakeCancel() = 0;
  // What "Cancel" does, for Escape pressed anywhere while the action runs.
  virtual void RequestCancel() = 0;
  virtual void End() = 0;
  // The widget that keeps taking input while the action runs.
  virtual QWidget* widget() const = 0;
};

// The main window's wait panel; its "Cancel" sets `cancel_request`.
class WaitPanelDisplay : public ProgressDisplay {
 public:
  WaitPanelDisplay(QWidget* panel, QProgressBar* bar, QLabel* label, bool* cancel_request)
      : panel_(panel), bar_(bar), label_(label), cancel_request_(cancel_request) {}
  void Begin(int maximum, bool shown) override;
  void SetPosition(int position) override;
  void SetText(const QString& text) override;
  bool TakeCancel() override;
  void RequestCancel() override { *cancel_request_ = true; }
  void End() override;
  QWidget* widget() const override { return panel_; }

 private:
  QWidget* panel_;
  QProgressBar* bar_;
  QLabel* label_;
  bool* cancel_request_;
  QPointer<QWidget> focus_before_;  // "Cancel" takes the focus while the panel shows
  // A repaint per file would cost more than the file on a visible window.
  std::optional<PaintThrottle> paints_;
};

// A progress dialog of its own, for actions run from a dialog (the batch
// export), where the main window's panel cannot be reached.
class DialogDisplay : public ProgressDisplay {
 public:
  explicit DialogDisplay(QProgressDialog* dialog) : dialog_(dialog) {}
  void Begin(int maximum, bool shown) override;
  void SetPosition(int position) override;
  void SetText(const QString& text) override;
  bool TakeCancel() override;
  void RequestCancel() override;
  void End() override;
  QWidget* widget() const override;

 private:
  QProgressDialog* dialog_;
};

// The one way long work gives the window its turn: the events pending now
// are handled (a repaint, "Cancel"). Between files through
// LongActionRunner::Run::Yield; while waiting for work done beside the window
// through WaitBesideTheWindow.
void YieldToTheWindow();

// Waits for work done beside the window (on another thread, or by the
// browser view) while the window has its turn at least every 10 ms; whether
// it was done within `limit`. For a step too long for the window's thread,
// such as writing the page of a whole history, or printing.
template <class T>
bool WaitBesideTheWindow(std::future<T>& done,
                         std::chrono::milliseconds limit = std::chrono::milliseconds::max()) {
  const auto start = std::chrono::steady_clock::now();
  while (done.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready) {
    const auto waited = std::chrono::steady_clock::now() - start;
    if (std::chrono::duration_cast<std::chrono::milliseconds>(waited) >= limit) return false;
    YieldToTheWindow();
  }
  return true;
}

// The wait panel's and the progress dialog's line after each file: "N files
// <done> out of T".
enum class FilesDone { kProcessed, kSearched, kSaved };
QString FilesDoneText(std::size_t files, std::size_t total, FilesDone done);

class LongActionRunner : public QObject {
  Q_OBJECT

 public:
  // `commands`: the widget holding the window's commands (menus, buttons,
  // lists and boxes), disabled while progress shows.
  explicit LongActionRunner(QWidget* commands, QObject* parent = nullptr);
  ~LongActionRunner() override;

  bool busy() const { return running_; }
  // Called whenever an action has ended.
  void set_on_ended(std::function<void()> on_ended) { on_ended_ = std::move(on_ended); }

  // What the work reaches of its run.
  class Run {
   public:
    explicit Run(ProgressDisplay* display) : display_(display) {}
    void SetPosition(int position);
    void SetText(const QString& text);
    bool TakeCancel();
    // Lets the window handle what is pending (repainting, "Cancel").
    void Yield();
    // After each file of a view or an export: its position, the window's
    // turn, its text; whether "Cancel" was pressed (so a press during the
    // turn stops at this file).
    bool FileDone(int position, const QString& text);

   private:
    ProgressDisplay* display_;
  };

  struct Options {
    ProgressDisplay* display = nullptr;  // none: no progress and no "Cancel"
    int maximum = 0;
    bool show_progress = false;  // also disables the commands
    bool disable_commands = false;
  };

  // Runs `work` as the one long action, then `finish`, which runs also when
  // the work fails or is cancelled; then the progress is hidden and the
  // commands enabled again. An error of the work (else of `finish`) goes on
  // to the caller. While another action runs nothing is done: false.
  bool Execute(const Options& options, const std::function<void(Run&)>& work,
               const std::function<void()>& finish = {});

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> commands_;
  QPointer<QWidget> allowed_;           // the running action's progress
  ProgressDisplay* display_ = nullptr;  // the running action's, for Escape
  // The windows open when the action began take no input; a message box the
  // action itself opens does.
  QList<QPointer<QWidget>> refused_windows_;
  bool running_ = false;
  std::function<void()> on_ended_;
};

}  // namespace orvex

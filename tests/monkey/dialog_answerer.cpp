#include "dialog_answerer.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QUrl>

#include "dialogs/frmabout.h"
#include "dialogs/frmopendat.h"
#include "dialogs/frmsavedir.h"
#include "list_reading.h"
#include "window/frmmain.h"
#include "window/list/conversation_model.h"
#include "window/list/list_panel.h"

namespace orvex::testing {

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

DialogAnswerer::DialogAnswerer(Monkey& monkey) : monkey_(monkey) {}

void DialogAnswerer::Error(QWidget*, const QString& text) {
  monkey_.Note("error box: " + text.left(60).toStdString());
}

void DialogAnswerer::Message(QWidget*, const QString& text) {
  monkey_.Note("message box: " + text.left(60).toStdString());
}

bool DialogAnswerer::AskYesNo(QWidget*, const QString& title, const QString& text) {
  const bool yes = monkey_.Chance(50);
  monkey_.Note("asked " + title.toStdString() + ": " + (yes ? "yes" : "no"));
  // A confirmed delete may remove what is selected now, and nothing else.
  if (yes && text.startsWith("Are you sure you want to delete") && monkey_.window) {
    // The entries' selection: one a search tab leaves out may stay selected.
    const TfrmMain& w = *monkey_.window;
    for (const QModelIndex& index : w.list().selection().selectedRows()) {
      const ConversationEntry& e = w.list().model().EntryAt(index.row());
      // As the file system reads it: a path box ending in "/" gives "//".
      monkey_.deletable.insert(std::filesystem::path(e.path).lexically_normal().string());
    }
  }
  return yes;
}

std::optional<QString> DialogAnswerer::SaveFileName(QWidget*, const QString&, const QString&) {
  if (monkey_.Chance(25)) {
    monkey_.Note("save dialog: Cancel");
    return std::nullopt;
  }
  static const char* const kSuffixes[] = {".html", ".txt", "", ".HTML", ".TXT"};
  const std::string path = monkey_.world.FreshOutPath(kSuffixes[monkey_.Below(5)]);
  monkey_.Note("save dialog: " + path);
  return Q(path);
}

bool DialogAnswerer::AskPrint(QWidget*, QPrinter* printer) {
  if (monkey_.Chance(60)) {
    monkey_.Note("print dialog: Cancel");
    return false;
  }
  const std::string pdf = monkey_.world.FreshOutPath(".pdf");
  monkey_.Note("print dialog: " + pdf);
  printer->setOutputFormat(QPrinter::PdfFormat);
  printer->setOutputFileName(Q(pdf));
  return true;
}

bool DialogAnswerer::AskPageSetup(QWidget*, QPrinter*) {
  const bool ok = monkey_.Chance(50);
  monkey_.Note(std::string("page setup: ") + (ok ? "OK" : "Cancel"));
  return ok;
}

std::optional<QString> DialogAnswerer::Pick(QWidget*, const QString& title, const QString&,
                                            const QString&) {
  const int choice = monkey_.Below(10);
  std::optional<QString> answer;
  if (title == "Select a directory to save the files.") {
    // An output folder in the scratch folder, made or not.
    if (choice < 8) {
      const std::string folder = monkey_.world.FreshOutPath("");
      if (choice < 6) std::filesystem::create_directories(folder);
      answer = Q(folder);
    }
  } else if (choice < 4) {
    answer = Q(monkey_.world.profiles.string());
  } else if (choice < 7) {
    answer = Q(monkey_.world.profiles2.string() + "/");
  } else if (choice < 8) {
    answer = Q((monkey_.world.root / "missing").string());
  }
  monkey_.Note("folder picker: " + (answer ? answer->toStdString() : std::string("Cancel")));
  return answer;
}

QStringList DialogAnswerer::Choose(QWidget*) {
  QStringList files;
  if (!monkey_.Chance(25)) {
    const auto& all = monkey_.world.archive_files;
    const int n = 1 + monkey_.Below(3);
    for (int i = 0; i < n && !all.empty(); ++i) files << Q(all[monkey_.Below(int(all.size()))]);
  }
  monkey_.Note("file dialog: " + std::to_string(files.size()) + " files");
  return files;
}

void DialogAnswerer::Open(const QUrl& url) {
  monkey_.Note("desktop opens " + url.toString().toStdString());
}

int DialogAnswerer::ShowModal(QDialog& dialog) {
  if (dynamic_cast<TfrmSaveDir*>(&dialog)) return AnswerSaveDir(dialog);
  if (dynamic_cast<TfrmOpenDat*>(&dialog)) return AnswerOpenDat(dialog);
  if (auto* about = dynamic_cast<TfrmAbout*>(&dialog)) {
    if (monkey_.Chance(30)) about->Label5Click();
    if (monkey_.Chance(50)) {
      about->Button1->click();
    } else {
      about->reject();
    }
    monkey_.Note("About box closed");
    return dialog.result();
  }
  monkey_.Note("dialog \"" + dialog.windowTitle().toStdString() + "\" cancelled");
  dialog.reject();
  return dialog.result();
}

int DialogAnswerer::AnswerSaveDir(QDialog& d) {
  auto& dialog = static_cast<TfrmSaveDir&>(d);
  const int scope = monkey_.Below(3);
  dialog.scopes[scope]->click();
  std::string folder = "(none)";
  const int how = monkey_.Below(10);
  if (how < 3) {
    for (QObject* child : dialog.children()) {
      auto* button = qobject_cast<QAbstractButton*>(child);
      if (button && button->text() == "...") button->click();
    }
    folder = "browsed " + dialog.edtDirector->text().toStdString();
  } else if (how < 9) {
    folder = monkey_.world.FreshOutPath("");
    if (how < 7) std::filesystem::create_directories(folder);
    dialog.edtDirector->setText(Q(folder));
  }
  const bool ok = monkey_.Chance(80);
  monkey_.Note("export dialog \"" + dialog.windowTitle().toStdString() + "\" scope " +
               std::to_string(scope) + " folder " + folder + (ok ? " OK" : " Cancel"));
  (ok ? dialog.button_ok : dialog.button_cancel)->click();
  // After an error the dialog stays open: the user gives up.
  if (dialog.result() != QDialog::Accepted && ok) dialog.button_cancel->click();
  return dialog.result();
}

int DialogAnswerer::AnswerOpenDat(QDialog& d) {
  auto& dialog = static_cast<TfrmOpenDat&>(d);
  if (monkey_.Chance(75)) dialog.btnSelect->click();
  const auto& names = monkey_.world.identities;
  if (monkey_.Chance(70)) dialog.txtUsername->setText(Q(names[monkey_.Below(int(names.size()))]));
  const auto& friends = monkey_.world.friends;
  if (monkey_.Chance(70)) dialog.txtFriend->setText(Q(friends[monkey_.Below(int(friends.size()))]));
  const int how = monkey_.Below(10);
  if (how < 7) {
    dialog.btnOK->click();
  } else if (how < 9) {
    dialog.btnCancel->click();
  } else {
    dialog.reject();  // Escape
  }
  monkey_.Note(std::string("loose-file dialog: ") + (how < 7 ? "OK" : "Cancel") + ", user \"" +
               dialog.txtUsername->text().toStdString() + "\"");
  // OK with an empty name stays open after its message: the user gives up.
  if (how < 7 && dialog.result() != QDialog::Accepted) dialog.btnCancel->click();
  return dialog.result();
}

ModalCloser::ModalCloser(Monkey& monkey) : monkey_(monkey) {
  timer_.setInterval(100);
  connect(&timer_, &QTimer::timeout, this, &ModalCloser::Look);
  timer_.start();
}

void ModalCloser::Look() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal) return;
  if (auto* progress = qobject_cast<QProgressDialog*>(modal)) {
    // A progress dialog: now and then its "Cancel".
    if (monkey_.SideChance(10)) {
      monkey_.Note("progress dialog: Cancel");
      progress->cancel();
    }
    return;
  }
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    monkey_.Note("dialog \"" + dialog->windowTitle().toStdString() + "\" closed");
    dialog->reject();
  }
}

}  // namespace orvex::testing

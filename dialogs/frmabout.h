// The About box: the program's name, version, terms and home page.
#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

namespace orvex {

class LinkLabel;
class Shell;

class TfrmAbout : public QDialog {
  Q_OBJECT

 public:
  // `open_guide` answers the link: the program has no web site, its guide
  // comes with it. Without one the link opens the address it shows.
  explicit TfrmAbout(Shell* shell, QWidget* parent = nullptr,
                     std::function<void()> open_guide = {});

  void Label5Click();   // the home page link
  void Button1Click();  // "OK"

  QLabel* imgLogo = nullptr;
  QLabel* imgName = nullptr;
  QLabel* lblProduct = nullptr;
  QLabel* lblVersion = nullptr;
  QLabel* lblTerms = nullptr;
  QLabel* lblHomepage = nullptr;
  LinkLabel* Label5 = nullptr;
  QPushButton* Button1 = nullptr;

 private:
  Shell* shell_;
  std::function<void()> open_guide_;
};

}  // namespace orvex

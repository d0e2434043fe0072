#include "frmabout.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

#include "dialogs/about_art.h"
#include "dialogs/link_label.h"
#include "dialogs/links.h"

namespace orvex {
namespace {

QLabel* LabelAt(const QString& text, int x, int y, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->move(x, y);
  label->adjustSize();
  return label;
}

QLabel* PictureAt(const QPixmap& picture, int x, int y, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setPixmap(picture);
  label->setGeometry(x, y, picture.width(), picture.height());
  return label;
}

}  // namespace

TfrmAbout::TfrmAbout(Shell* shell, QWidget* parent, std::function<void()> open_guide)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      shell_(shell),
      open_guide_(std::move(open_guide)) {
  setObjectName("frmAbout");
  setAttribute(Qt::WA_DeleteOnClose, false);  // the caller owns the box
  setWindowTitle(tr("About"));
  setFixedSize(460, 221);

  imgLogo = PictureAt(DrawLogo(), 8, 6, this);
  imgName = PictureAt(DrawNameArt(), 90, 6, this);

  lblProduct = new QLabel(tr("Messenger Archive Viewer "), this);
  QFont product = lblProduct->font();
  product.setPixelSize(19);
  lblProduct->setFont(product);
  lblProduct->move(90, 67);
  lblProduct->adjustSize();

  lblVersion = LabelAt(tr("Version 1.02"), 90, 93, this);
  lblTerms =
      LabelAt(tr("Free to use and to share; provided as is, without warranty."), 90, 124, this);
  lblHomepage = LabelAt(tr("Homepage:"), 91, 149, this);

  Label5 = new LinkLabel(QString::fromLatin1(kSiteRoot), this);
  QFont link = Label5->font();
  link.setPixelSize(13);
  link.setBold(true);
  link.setUnderline(true);
  Label5->setFont(link);
  QPalette blue = Label5->palette();
  blue.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0xFF));
  Label5->setPalette(blue);
  // Its place, unless a wider type than the box was laid out for would put
  // it over "Homepage:".
  Label5->move(std::max(152, lblHomepage->x() + lblHomepage->width() + 4), 149);
  Label5->adjustSize();

  Button1 = new QPushButton(tr("OK"), this);
  Button1->setGeometry(90, 176, 75, 25);
  Button1->setDefault(true);

  connect(Label5, &LinkLabel::clicked, this, &TfrmAbout::Label5Click);
  connect(Button1, &QPushButton::clicked, this, &TfrmAbout::Button1Click);

  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void TfrmAbout::Label5Click() {
  if (open_guide_) {
    open_guide_();
    return;
  }
  OpenLink(shell_, SiteUrl(kAboutLinkPage));
}

void TfrmAbout::Button1Click() {
  accept();
}

}  // namespace orvex

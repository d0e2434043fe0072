#include "window/viewer/viewer_panel.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPageLayout>
#include <QPageRanges>
#include <QPushButton>
#include <QTimer>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <utility>

#include "qt_platform/qt_text.h"
#include "widgets/wrapping_row.h"
#include "window/panel_parts.h"
#include "window/viewer/find_bar.h"
#include "window/viewer/live_page.h"
#include "window/viewer/page_focus.h"
#include "window/viewer/part_printer.h"
#include "window/viewer/safe_web_page.h"
#include "window/viewer/view_finder.h"
#include "ylogs/render/theme.h"
#include "ylogs/views/page_pieces.h"

namespace orvex {

ViewerPanel::ViewerPanel(QWidget* parent) : QFrame(parent) {
  setObjectName("PanBottom");
  auto* bc = new QVBoxLayout(this);
  NoMargins(bc);
  panFormat = new QFrame(this);
  // One line where the width allows, more in a narrow window.
  auto* fr = new WrappingRow(panFormat, 10);
  fr->setContentsMargins(6, 6, 6, 6);
  ckDate = new QCheckBox(tr("Date"), panFormat);
  ckTime = new QCheckBox(tr("Time"), panFormat);
  cbxTheme = new QComboBox(panFormat);
  cbxTheme->setFixedWidth(145);
  cbxTheme->setEditable(false);
  ckBold = new QCheckBox(tr("Bold, italic, underline"), panFormat);
  ckFonts = new QCheckBox(tr("Fonts and colors"), panFormat);
  ckSmilies = new QCheckBox(tr("Smileys images"), panFormat);
  btnRaw = new QPushButton(tr("Raw"), panFormat);
  btnRaw->setVisible(false);
  for (QCheckBox* c : {ckDate, ckTime, ckBold, ckFonts}) c->setChecked(true);
  // The bar wraps by groups: what belongs together stays on one line.
  auto group = [this](std::initializer_list<QWidget*> widgets) {
    auto* box = new QWidget(panFormat);
    auto* row = new QHBoxLayout(box);
    NoMargins(row);
    row->setSpacing(6);
    for (QWidget* w : widgets) {
      w->setParent(box);
      row->addWidget(w);
    }
    return box;
  };
  fr->addWidget(group({ckDate, ckTime}));
  auto* theme_label = new QLabel(tr("Theme"));
  theme_label->setBuddy(cbxTheme);
  fr->addWidget(group({theme_label, cbxTheme}));
  fr->addWidget(group({ckBold, ckFonts, ckSmilies, btnRaw}));
  bc->addWidget(panFormat);
  find_bar_ = new FindBar(this);
  bc->addWidget(find_bar_);
  WebBrowser = new QWebEngineView(this);
  web_page = new SafeWebPage(WebBrowser);
  WebBrowser->setPage(web_page);
  live_page_ = new LivePage(web_page);
  finder_ = new ViewFinder(web_page, live_page_);
  connect(find_bar_, &FindBar::findRequested, finder_, &ViewFinder::Find);
  connect(find_bar_, &FindBar::closed, finder_, &ViewFinder::Reset);
  connect(finder_, &ViewFinder::found, find_bar_, &FindBar::ShowFound);
  connect(WebBrowser, &QWebEngineView::printFinished, this, &ViewerPanel::printed);
  connect(web_page, &QWebEnginePage::pdfPrintingFinished, this, &ViewerPanel::pdfPrinted);
  part_printer_ = new PartPrinter(this);
  connect(part_printer_, &PartPrinter::finished, this, &ViewerPanel::pdfPrinted);
  connect(part_printer_, &PartPrinter::progress, this, &ViewerPanel::printProgress);
  connect(web_page, &QWebEnginePage::renderProcessTerminated, this,
          [this](QWebEnginePage::RenderProcessTerminationStatus status) {
            if (status != QWebEnginePage::NormalTerminationStatus) ReviveView();
          });
  WebBrowser->setContextMenuPolicy(Qt::NoContextMenu);
  bc->addWidget(WebBrowser, 1);

  const std::pair<QObject*, const char*> names[] = {
      {panFormat, "panFormat"}, {ckDate, "ckDate"}, {ckTime, "ckTime"},
      {cbxTheme, "cbxTheme"},   {ckBold, "ckBold"}, {ckFonts, "ckFonts"},
      {ckSmilies, "ckSmilies"}, {btnRaw, "btnRaw"}, {WebBrowser, "WebBrowser"},
      {web_page, "web_page"},
  };
  for (const auto& [control, name] : names) control->setObjectName(name);
  cbxTheme->setAccessibleName(tr("Theme"));
  WebBrowser->setAccessibleName(tr("Conversation page"));
  WebBrowser->setAccessibleDescription(tr("The conversations chosen in the list"));
  MakePageOneTabStop(WebBrowser);

  for (QCheckBox* box : {ckDate, ckTime, ckBold, ckFonts, ckSmilies}) {
    connect(box, &QCheckBox::toggled, this, [this] { emit optionsChanged(ShownOptions()); });
    connect(box, &QCheckBox::clicked, this, &ViewerPanel::optionsClicked);
  }
  connect(cbxTheme, &QComboBox::activated, this, [this](int index) {
    emit themeChosen(theme_names_.at(static_cast<std::size_t>(index)));
  });
  connect(btnRaw, &QPushButton::clicked, this, &ViewerPanel::rawClicked);
}

DisplayOptions ViewerPanel::ShownOptions() const {
  DisplayOptions o;
  o.date = ckDate->isChecked();
  o.time = ckTime->isChecked();
  o.bold = ckBold->isChecked();
  o.fonts = ckFonts->isChecked();
  o.smileys = ckSmilies->isChecked();
  return o;
}

void ViewerPanel::ShowOptions(const DisplayOptions& options) {
  ckDate->setChecked(options.date);
  ckTime->setChecked(options.time);
  ckBold->setChecked(options.bold);
  ckFonts->setChecked(options.fonts);
  ckSmilies->setChecked(options.smileys);
}

void ViewerPanel::ShowThemes(const std::vector<std::string>& names) {
  theme_names_ = names;
  cbxTheme->clear();
  for (const std::string& name : theme_names_) cbxTheme->addItem(FromFileName(name));
  cbxTheme->setCurrentIndex(-1);
}

void ViewerPanel::SelectTheme(const std::string& name) {
  cbxTheme->setCurrentIndex(FindTheme(theme_names_, name));
}

std::optional<std::string> ViewerPanel::chosen_theme() const {
  if (cbxTheme->currentIndex() < 0) return std::nullopt;
  return ToFileName(cbxTheme->currentText());
}

void ViewerPanel::ShowPage(const QString& path, const TextItems* items, std::size_t header_items,
                           const TextItems* transcripts) {
  shown_ = {path, items, header_items, transcripts};
  finder_->SetTranscripts(transcripts);
  std::size_t bytes = 0;
  for (const std::string& item : *items) bytes += item.size() + 2;
  if (bytes >= piece_sizes_.from) {
    if (const std::optional<PageParts> parts = SplitIntoParts(*items, header_items)) {
      live_page_->Start(path, items, *parts, piece_sizes_.first);
      return;
    }
  }
  live_page_->Stop();  // a first page shown while the files were read
  web_page->LoadProgramPage(path);
}

void ViewerPanel::GrowPage(const QString& path, const PageSoFar& page) {
  if (growth_seen_ || page.files_done >= page.files_total) return;
  std::optional<FirstPage> first = FirstPageSoFar(page, piece_sizes_.from, piece_sizes_.first);
  if (!first) return;
  growth_seen_ = true;
  if (first->shown > 0) live_page_->Begin(path, std::move(*first), *page.footer);
}

void ViewerPanel::DropPage() {
  live_page_->Drop();
}

void ViewerPanel::ReviveView() {
  // The browser's renderer is gone (printing a whole history can take more
  // memory than it may have): the view shows its page again, once, so that
  // it is not left empty; a page that the renderer cannot hold stays away.
  if (!shown_.items || shown_.revived) return;
  shown_.revived = true;
  const unsigned view = ++revivals_;
  QTimer::singleShot(0, this, [this, view] {
    if (view != revivals_ || !shown_.items) return;
    const Shown shown = shown_;
    ShowPage(shown.path, shown.items, shown.header_items, shown.transcripts);
    shown_.revived = true;
  });
}

void ViewerPanel::StopPage() {
  shown_ = {};
  ++revivals_;
  growth_seen_ = false;
  live_page_->Stop();
  finder_->Reset();
  finder_->SetTranscripts(nullptr);
}

void ViewerPanel::OpenFindBar() {
  find_bar_->Open();
}

void ViewerPanel::FindAgain(bool forward) {
  if (find_bar_->isHidden() || find_bar_->text().isEmpty()) return OpenFindBar();
  finder_->Find(find_bar_->text(), forward);
}

void ViewerPanel::CompletePage() {
  live_page_->Complete();
}

void ViewerPanel::SetPageCharset(const std::string& charset) {
  web_page->SetPageCharset(FromUtf8(charset).toLatin1());  // a charset name is ASCII
  web_page->settings()->setDefaultTextEncoding(FromUtf8(charset));
}

void ViewerPanel::Print(QPrinter* target) {
  WebBrowser->print(target);
}

void ViewerPanel::PrintToPdf(const QString& file, const QPageLayout& layout,
                             const QPageRanges& pages) {
  if (live_page_->live()) {
    if (const std::optional<PageParts> parts = SplitIntoParts(*shown_.items, shown_.header_items)) {
      part_printer_->Start({shown_.path, shown_.items, *parts, web_page->charset(),
                            piece_sizes_.print, file, layout, pages});
      return;
    }
  }
  web_page->printToPdf(file, layout, pages);
}

void ViewerPanel::CancelPrint() {
  part_printer_->Cancel();
}

bool ViewerPanel::ToggleFormatBar(const QWidget* window) {
  panFormat->setVisible(!panFormat->isVisibleTo(window));
  return panFormat->isVisibleTo(window);
}

void ViewerPanel::ShowFormatBar(bool shown) {
  panFormat->setVisible(shown);
}

}  // namespace orvex

#include "viewer_panel.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include <exception>
#include <utility>

#include "qt_platform/qt_text.h"
#include "widgets/wrapping_row.h"
#include "window/long_action.h"
#include "window/panel_parts.h"
#include "window/viewer/live_page.h"
#include "window/viewer/safe_web_page.h"
#include "window/viewer/view_page_stream.h"
#include "ylogs/base/finally.h"
#include "ylogs/views/page_pieces.h"
#include "ylogs/views/view_builder.h"

namespace orvex {

ViewerPanel::ViewerPanel(std::string program_folder, QString temp_folder, QWidget* parent)
    : QFrame(parent),
      program_folder_(std::move(program_folder)),
      temp_folder_(std::move(temp_folder)) {
  setObjectName("PanBottom");
  auto* bc = new QVBoxLayout(this);
  NoMargins(bc);
  panFormat = new QFrame(this);
  // One line where the width allows, more in a narrow window.
  auto* fr = new WrappingRow(panFormat, 10);
  fr->setContentsMargins(6, 6, 6, 6);
  ckDate = new QCheckBox("Date", panFormat);
  ckTime = new QCheckBox("Time", panFormat);
  cbxTheme = new QComboBox(panFormat);
  cbxTheme->setFixedWidth(145);
  cbxTheme->setEditable(false);
  ckBold = new QCheckBox("Bold, italic, underline", panFormat);
  ckFonts = new QCheckBox("Fonts and colors", panFormat);
  ckSmilies = new QCheckBox("Smileys images", panFormat);
  btnRaw = new QPushButton("Raw", panFormat);
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
  fr->addWidget(group({new QLabel("Theme"), cbxTheme}));
  fr->addWidget(group({ckBold, ckFonts, ckSmilies, btnRaw}));
  bc->addWidget(panFormat);
  WebBrowser = new QWebEngineView(this);
  web_page = new SafeWebPage(WebBrowser);
  WebBrowser->setPage(web_page);
  live_page_ = new LivePage(web_page);
  WebBrowser->setContextMenuPolicy(Qt::NoContextMenu);
  bc->addWidget(WebBrowser, 1);

  const std::pair<QObject*, const char*> names[] = {
      {panFormat, "panFormat"}, {ckDate, "ckDate"}, {ckTime, "ckTime"},
      {cbxTheme, "cbxTheme"},   {ckBold, "ckBold"}, {ckFonts, "ckFonts"},
      {ckSmilies, "ckSmilies"}, {btnRaw, "btnRaw"}, {WebBrowser, "WebBrowser"},
      {web_page, "web_page"},
  };
  for (const auto& [control, name] : names) control->setObjectName(name);

  for (QCheckBox* box : {ckDate, ckTime, ckBold, ckFonts, ckSmilies}) {
    connect(box, &QCheckBox::clicked, this, &ViewerPanel::optionsClicked);
  }
  connect(cbxTheme, &QComboBox::activated, this, &ViewerPanel::themeChosen);
  connect(btnRaw, &QPushButton::clicked, this, &ViewerPanel::rawClicked);
}

DisplayOptions ViewerPanel::options() const {
  DisplayOptions o;
  o.date = ckDate->isChecked();
  o.time = ckTime->isChecked();
  o.bold = ckBold->isChecked();
  o.fonts = ckFonts->isChecked();
  o.smileys = ckSmilies->isChecked();
  o.format_codes = format_codes_enabled_;
  return o;
}

std::optional<std::string> ViewerPanel::chosen_theme() const {
  if (cbxTheme->currentIndex() < 0) return std::nullopt;
  return ToFileName(cbxTheme->currentText());
}

void ViewerPanel::ShowPage(std::size_t header_items) {
  std::size_t bytes = 0;
  for (const std::string& item : html_buffer_) bytes += item.size() + 2;
  if (bytes >= piece_sizes_.from) {
    if (std::optional<PagePieces> pieces =
            CutIntoPieces(html_buffer_, header_items, piece_sizes_.first, piece_sizes_.piece)) {
      // Where pieces pay, one load of the rest pays too.
      live_page_->Start(last_page_path_, &html_buffer_, std::move(*pieces), piece_sizes_.from);
      return;
    }
  }
  web_page->LoadProgramPage(last_page_path_);
}

void ViewerPanel::CompletePage() {
  live_page_->Complete();
}

QString ViewerPanel::ViewPagePath() const {
  QString folder = temp_folder_;
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder + QStringLiteral("orvex%1.html").arg(view_page_counter_ % 10);
}

bool ViewerPanel::ShowConversations(const std::vector<std::string>& paths, RenderSettings settings,
                                    LongActionRunner& runner, ProgressDisplay* display,
                                    const std::function<std::string()>& today) {
  render_.counters.Reset();
  const int n = static_cast<int>(paths.size());
  // The view reads its own copy: nothing that runs while it yields can give
  // one page two themes.
  const Theme theme = theme_;
  settings.theme = &theme;
  settings.options = options();
  ViewBuffers buffers;
  // The page goes to its file while the files are rendered: a whole
  // history's page is written by the time its last file is.
  const QString page_path = ViewPagePath();
  std::optional<ViewPageStream> page_file;
  auto work = [&](LongActionRunner::Run& run) {
    // The pieces of the last view stop at once: its page goes.
    live_page_->Stop();
    page_file.emplace(ToFileName(page_path), buffers.html);
    BuildView(
        paths, theme, settings, render_, buffers,
        [&](std::size_t i) {
          page_file->Publish(buffers.html.size());
          return run.FileDone(static_cast<int>(i), FilesDoneText(i, paths.size(), "processed"));
        },
        today);
  };
  auto finish = [&] {
    const Finally counted([this] { emit countersChanged(render_.counters); });
    std::exception_ptr not_written;
    try {
      if (page_file) page_file->Finish(buffers.html.size());
    } catch (...) {
      not_written = std::current_exception();
    }
    html_buffer_ = std::move(buffers.html);
    text_buffer_ = std::move(buffers.text);
    if (not_written) std::rethrow_exception(not_written);
    if (!page_file) return;  // the walk could not start its writer: its error goes on
    last_page_path_ = page_path;
    ShowPage(SplitIntoItems(theme.file_header).size());
    ++view_page_counter_;
  };
  return runner.Execute({display, n, n > 20}, work, finish);
}

void ViewerPanel::ListThemes() {
  theme_names_ = orvex::ListThemes(program_folder_);
  cbxTheme->clear();
  for (const std::string& name : theme_names_) cbxTheme->addItem(FromFileName(name));
  cbxTheme->setCurrentIndex(-1);
}

void ViewerPanel::SelectTheme(const std::string& name) {
  cbxTheme->setCurrentIndex(FindTheme(theme_names_, name));
}

void ViewerPanel::LoadTheme() {
  theme_ = orvex::LoadTheme(program_folder_, ToFileName(cbxTheme->currentText()));
}

void ViewerPanel::SetDateAndTime(bool date, bool time) {
  ckDate->setChecked(date);
  ckTime->setChecked(time);
}

void ViewerPanel::SetStyles(bool bold, bool fonts, bool smileys) {
  ckBold->setChecked(bold);
  ckFonts->setChecked(fonts);
  ckSmilies->setChecked(smileys);
}

void ViewerPanel::SetPageCharset(const std::string& charset) {
  web_page->SetPageCharset(FromUtf8(charset).toLatin1());  // a charset name is ASCII
  web_page->settings()->setDefaultTextEncoding(FromUtf8(charset));
}

bool ViewerPanel::ToggleFormatBar(const QWidget* window) {
  panFormat->setVisible(!panFormat->isVisibleTo(window));
  return panFormat->isVisibleTo(window);
}

void ViewerPanel::ShowFormatBar(bool shown) {
  panFormat->setVisible(shown);
}

}  // namespace orvex

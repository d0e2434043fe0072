// The tab strip under the conversation list: a fixed first tab and one tab per
// search, drawn at the bottom edge with gradient colours; the active search tab
// carries a close button.
#pragma once

#include <QColor>
#include <QTabBar>

namespace orvex {

class TabStrip : public QTabBar {
  Q_OBJECT
 public:
  explicit TabStrip(QWidget* parent = nullptr);

  // Adds a tab at the end; search tabs shade from their colour to grey.
  int AddTab(const QString& caption, bool search_tab);
  bool IsSearchTab(int index) const;

 signals:
  // The close button of the active tab was clicked.
  void closeClicked(int index);

 protected:
  void paintEvent(QPaintEvent* event) override;
  QSize tabSizeHint(int index) const override;
  void tabInserted(int index) override;
  void tabRemoved(int index) override;

 private:
  void PlaceCloseButton();
};

inline const QColor kTabColour(0xE7, 0xDC, 0xD3);
inline const QColor kSearchTabShade(0xB7, 0xB7, 0xB7);
inline const QColor kActiveTabShade(0xFF, 0xFD, 0xBB);
inline const QColor kHotTabColour(0xC5, 0xCB, 0xFA);

}  // namespace orvex

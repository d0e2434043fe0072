// Small pieces the window's areas build their controls from.
#pragma once

#include <QString>

class QBoxLayout;
class QFrame;
class QToolButton;
class QWidget;

namespace orvex {

// A flat tool button showing its caption alone, as the window's bars use.
QToolButton* FlatButton(const QString& caption, QWidget* parent, bool checkable = false);

// A sunken panel, the frame of an area.
QFrame* Bordered(QWidget* parent);

// A layout that puts its widgets edge to edge.
void NoMargins(QBoxLayout* layout);

// The room a list or grid cell gives its text beyond the text's own width.
int CellTextMargin(const QWidget* view);

}  // namespace orvex

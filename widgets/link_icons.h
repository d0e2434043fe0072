// The pictures of the menu bar's two link buttons, drawn by the program: a
// question mark in a blue disc ("Help") and two speech balloons ("Forum").
#pragma once

#include <QIcon>

namespace orvex {

QIcon HelpIcon();
QIcon ForumIcon();

}  // namespace orvex

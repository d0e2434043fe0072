// The view's page script (window/viewer/scripts/live_page.js), called with
// the page's charset, each conversation's size in bytes (none for a page
// shown whole) and how many conversations the first page holds: it keeps
// orvexView in the page's program world.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <vector>

namespace orvex {

QString LivePageScript(const QByteArray& charset, const std::vector<std::size_t>& sizes = {},
                       std::size_t shown = 0);

}  // namespace orvex

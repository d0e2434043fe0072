// The live page's script (window/viewer/scripts/live_page.js), called with
// the page's charset: it keeps orvexAddPiece() and orvexPiecesDone() in the
// page's program world.
#pragma once

#include <QByteArray>
#include <QString>

namespace orvex {

QString LivePageScript(const QByteArray& charset);

}  // namespace orvex

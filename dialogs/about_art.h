// The About box's pictures, drawn by the program itself.
#pragma once

#include <QPixmap>

namespace orvex {

// The program's logo: 70 x 66, transparent around the drawing.
QPixmap DrawLogo();
// The product name set as artwork: 156 x 60, transparent around the letters.
QPixmap DrawNameArt();

}  // namespace orvex

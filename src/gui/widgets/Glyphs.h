#pragma once
#include <QIcon>
#include <QPixmap>

// The program's own small button glyphs and product picture, drawn rather than loaded so that
// nothing outside the executable is needed.
namespace Glyphs {
enum class Glyph { Info, Options, Close, New, Open, Parameters, Dali, Update };
QIcon Icon(Glyph glyph);
QPixmap Product_Picture(int size);
} // namespace Glyphs

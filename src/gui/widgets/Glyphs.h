#pragma once
#include <QIcon>
#include <QPixmap>

// The program's own small button glyphs and product picture, drawn rather than loaded so that
// nothing outside the executable is needed.
#include <QPainter>

namespace Glyphs {
inline const QColor Grey(0x60, 0x60, 0x60);
inline const QColor Orange(0xFF, 0x80, 0x00);

// A transparent square picture of `size` pixels painted by `paint(QPainter &)`.
template <class Paint> QIcon Painted_Icon(int size, Paint paint) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  paint(painter);
  painter.end();
  return QIcon(pixmap);
}

enum class Glyph { Info, Options, Close, New, Open, Parameters, Dali, Update };
QIcon Icon(Glyph glyph);
QPixmap Product_Picture(int size);
} // namespace Glyphs

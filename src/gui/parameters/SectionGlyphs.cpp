#include "parameters/SectionGlyphs.h"

#include "widgets/Glyphs.h"

namespace SectionGlyphs {

using Glyphs::Grey;
using Glyphs::Orange;

QIcon Collapse() {
  return Glyphs::Painted_Icon(9, [](QPainter &p) {
    p.setPen(QPen(Grey, 1));
    p.drawLine(0, 0, 8, 8);
    p.drawLine(8, 0, 0, 8);
  });
}

QIcon Expand() {
  return Glyphs::Painted_Icon(7, [](QPainter &p) {
    p.setPen(QPen(Grey, 1));
    p.drawLine(3, 0, 3, 6);
    p.drawLine(0, 3, 6, 3);
  });
}

QIcon Ok() {
  return Glyphs::Painted_Icon(16, [](QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Orange, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{2.5, 8.5}, {6.5, 12.5}, {13.5, 3.5}}));
  });
}

QIcon Cancel() {
  return Glyphs::Painted_Icon(16, [](QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Grey, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
  });
}

} // namespace SectionGlyphs

#include "parameters/SectionGlyphs.h"

#include <QPainter>
#include <QPixmap>

namespace SectionGlyphs {
namespace {

const QColor Grey(0x60, 0x60, 0x60);
const QColor Orange(0xFF, 0x80, 0x00);

// A transparent square picture of `size` pixels painted by `paint`.
template <class Paint> QIcon Picture(int size, Paint paint) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  paint(painter);
  painter.end();
  return QIcon(pixmap);
}

} // namespace

QIcon Collapse() {
  return Picture(9, [](QPainter &p) {
    p.setPen(QPen(Grey, 1));
    p.drawLine(0, 0, 8, 8);
    p.drawLine(8, 0, 0, 8);
  });
}

QIcon Expand() {
  return Picture(7, [](QPainter &p) {
    p.setPen(QPen(Grey, 1));
    p.drawLine(3, 0, 3, 6);
    p.drawLine(0, 3, 6, 3);
  });
}

QIcon Ok() {
  return Picture(16, [](QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Orange, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{2.5, 8.5}, {6.5, 12.5}, {13.5, 3.5}}));
  });
}

QIcon Cancel() {
  return Picture(16, [](QPainter &p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Grey, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
  });
}

} // namespace SectionGlyphs

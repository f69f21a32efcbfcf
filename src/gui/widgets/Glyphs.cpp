#include "widgets/Glyphs.h"

#include <QPainter>
#include <QPainterPath>

namespace Glyphs {
namespace {

void Draw(QPainter &p, Glyph glyph) {
  p.setRenderHint(QPainter::Antialiasing);
  QPen pen(Grey, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(pen);
  switch (glyph) {
  case Glyph::Info:
    p.drawEllipse(QRectF(4, 4, 40, 40));
    p.setPen(QPen(Orange, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawPoint(QPointF(24, 14));
    p.drawLine(QPointF(24, 22), QPointF(24, 35));
    break;
  case Glyph::Options:
    p.drawEllipse(QRectF(14, 14, 20, 20));
    for (int i = 0; i < 8; ++i) {
      p.save();
      p.translate(24, 24);
      p.rotate(45.0 * i);
      p.drawLine(QPointF(0, 12), QPointF(0, 19));
      p.restore();
    }
    p.setBrush(Orange);
    p.drawEllipse(QRectF(20, 20, 8, 8));
    break;
  case Glyph::Close:
    p.drawRect(QRectF(6, 6, 36, 36));
    p.setPen(QPen(Orange, 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 15), QPointF(33, 33));
    p.drawLine(QPointF(33, 15), QPointF(15, 33));
    break;
  case Glyph::New:
    p.drawPolygon(QPolygonF({{12, 4}, {30, 4}, {38, 12}, {38, 44}, {12, 44}}));
    p.setPen(QPen(Orange, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(25, 20), QPointF(25, 36));
    p.drawLine(QPointF(17, 28), QPointF(33, 28));
    break;
  case Glyph::Open:
    p.drawPolygon(QPolygonF({{4, 12}, {18, 12}, {22, 16}, {42, 16}, {42, 40}, {4, 40}}));
    p.setBrush(Orange);
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF({{10, 22}, {46, 22}, {40, 40}, {4, 40}}));
    break;
  case Glyph::Parameters:
    for (int row = 0; row < 3; ++row) {
      const qreal y = 12 + row * 12;
      p.setPen(pen);
      p.drawLine(QPointF(6, y), QPointF(42, y));
      p.setPen(QPen(Orange, 8, Qt::SolidLine, Qt::RoundCap));
      p.drawPoint(QPointF(row == 1 ? 30 : 16, y));
    }
    break;
  case Glyph::Dali: {
    QPainterPath bulb;
    bulb.addEllipse(QRectF(10, 4, 28, 28));
    p.setBrush(QColor(0xFF, 0xD0, 0x80));
    p.drawPath(bulb);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(17, 32, 14, 10));
    break;
  }
  case Glyph::Update:
    p.drawRect(QRectF(6, 28, 36, 14));
    p.setPen(QPen(Orange, 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(24, 4), QPointF(24, 22));
    p.drawPolyline(QPolygonF({{16, 14}, {24, 22}, {32, 14}}));
    break;
  }
}

} // namespace

QIcon Icon(Glyph glyph) {
  // Drawn on a 48-pixel grid, at the 32 pixels of the largest button glyph.
  return Painted_Icon(32, [glyph](QPainter &painter) {
    painter.scale(32.0 / 48.0, 32.0 / 48.0);
    Draw(painter, glyph);
  });
}

QPixmap Product_Picture(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Grey, 2));
  p.setBrush(QColor(0xE8, 0xE6, 0xDA));
  p.drawRoundedRect(QRectF(4, 10, size - 8, size - 20), 6, 6);
  p.setBrush(Orange);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 4; ++i)
    p.drawEllipse(QRectF(12 + i * 14, size / 2.0 - 4, 8, 8));
  p.setPen(QPen(Grey, 2));
  p.setFont(QFont(QStringLiteral("Verdana"), 7, QFont::Bold));
  p.drawText(QRectF(4, size - 30, size - 8, 14), Qt::AlignCenter, QStringLiteral("GW20431"));
  return pixmap;
}

} // namespace Glyphs

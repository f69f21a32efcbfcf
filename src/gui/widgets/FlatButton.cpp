#include "widgets/FlatButton.h"

#include <QPainter>
#include <QStyleOptionButton>

#include "widgets/Look.h"

namespace {
const QColor Border(0xC8, 0xC4, 0xB0);
const QColor Hover(0xFF, 0xF1, 0xDC);
const QColor Caption(0x40, 0x40, 0x40);
const QColor Disabled_Caption(0xA0, 0xA0, 0xA0);
constexpr int Padding = 6;
} // namespace

// Painted by hand rather than through a style sheet: a style sheet per button makes every
// window noticeably slower to create.
FlatButton::FlatButton(Kind kind, const QIcon &glyph, QWidget *parent)
    : QPushButton(parent), kind_(kind) {
  setIcon(glyph);
  setAttribute(Qt::WA_Hover);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(kind == Kind::Icon ? Qt::NoFocus : Qt::StrongFocus);
  if (kind == Kind::Icon)
    setIconSize(QSize(32, 32));
  else if (kind == Kind::Workflow)
    setIconSize(QSize(24, 24));
}

void FlatButton::paintEvent(QPaintEvent *) {
  QPainter p(this);
  const bool enabled = isEnabled();
  const bool hot = enabled && underMouse();
  const bool pressed = enabled && isDown();
  const QRect frame = rect().adjusted(0, 0, -1, -1);
  p.fillRect(rect(), pressed ? Look::Pressed_Colour : hot ? Hover : Look::Window_Colour);
  p.setPen(hot || pressed || hasFocus() ? Look::Pressed_Colour : Border);
  p.drawRect(frame);

  const QIcon::Mode mode = enabled ? QIcon::Normal : QIcon::Disabled;
  const QPixmap glyph = icon().isNull() ? QPixmap() : icon().pixmap(iconSize(), mode);
  const QSize glyph_size = glyph.isNull() ? QSize() : glyph.deviceIndependentSize().toSize();
  p.setPen(!enabled ? Disabled_Caption : pressed ? QColor(Qt::white) : Caption);
  p.setFont(font());
  const int middle = height() / 2;
  if (kind_ == Kind::Workflow) {
    int left = Padding;
    if (!glyph.isNull()) {
      p.drawPixmap(left, middle - glyph_size.height() / 2, glyph);
      left += glyph_size.width() + Padding;
    }
    p.drawText(QRect(left, 0, width() - left - Padding, height()),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text());
    return;
  }
  const int text_width = text().isEmpty() ? 0 : fontMetrics().horizontalAdvance(text());
  const int gap = glyph.isNull() || text_width == 0 ? 0 : Padding;
  int left = (width() - glyph_size.width() - gap - text_width) / 2;
  if (!glyph.isNull()) {
    p.drawPixmap(left, middle - glyph_size.height() / 2, glyph);
    left += glyph_size.width() + gap;
  }
  if (text_width > 0)
    p.drawText(QRect(left, 0, text_width + 1, height()), Qt::AlignLeft | Qt::AlignVCenter, text());
}

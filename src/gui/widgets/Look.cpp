#include "widgets/Look.h"

#include <QLabel>
#include <QPalette>
#include <QWidget>

namespace Look {

QFont Base_Font() {
  QFont font(QStringLiteral("Verdana"));
  font.setPixelSize(11);
  return font;
}

void Apply_Window_Look(QWidget *window) {
  QPalette palette = window->palette();
  palette.setColor(QPalette::Window, Window_Colour);
  window->setPalette(palette);
  window->setAutoFillBackground(true);
  window->setFont(Base_Font());
}

QLabel *Grey_Label(QWidget *parent, bool bold, int pixel_height) {
  auto *label = new QLabel(parent);
  QFont font = Base_Font();
  font.setBold(bold);
  if (pixel_height > 0)
    font.setPixelSize(pixel_height);
  label->setFont(font);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, Title_Grey);
  label->setPalette(palette);
  return label;
}

} // namespace Look

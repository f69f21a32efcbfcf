#pragma once
#include <QColor>
#include <QFont>
#include <QString>
#include <string>

class QWidget;
class QLabel;

// The shared look of every window: cream background, Verdana of 11 pixels, grey titles.
namespace Look {
inline const QColor Window_Colour(0xF8, 0xF7, 0xED);
inline const QColor Pressed_Colour(0xFF, 0x80, 0x00);
inline const QColor Title_Grey(0x80, 0x80, 0x80);

QFont Base_Font();
// Applies background colour and font to a top-level window.
void Apply_Window_Look(QWidget *window);
// A grey label; `pixel_height` 0 keeps the base size.
QLabel *Grey_Label(QWidget *parent, bool bold, int pixel_height = 0);
inline QString Q(const std::string &text) {
  return QString::fromStdString(text);
}
} // namespace Look

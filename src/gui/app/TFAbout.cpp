#include "app/TFAbout.h"

#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>
#include <QUrl>

#include "shell/ProductIdentity.h"
#include "widgets/ClickableLabel.h"
#include "widgets/FlatButton.h"
#include "widgets/Glyphs.h"
#include "widgets/Look.h"

namespace {
QLabel *Text_Label(QWidget *parent, const QString &text, int left, int top, bool bold = false) {
  auto *label = new QLabel(text, parent);
  if (bold) {
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
  }
  label->move(left, top);
  label->adjustSize();
  return label;
}
} // namespace

TFAbout::TFAbout(const QString &product_desc, QWidget *parent)
    : QDialog(parent), product_desc_(product_desc) {
  Open_Url = [](const QString &url) { QDesktopServices::openUrl(QUrl(url)); };
  Look::Apply_Window_Look(this);
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  setWindowTitle(QStringLiteral("About"));

  Image1 = new ClickableLabel(this);
  Image1->setGeometry(32, 24, 81, 81);
  Image1->setCursor(Qt::PointingHandCursor);

  Text_Label(this, QStringLiteral("Software Sorvane "), 136, 16, true);
  L_Product = Text_Label(this, product_desc, 136, 36);
  Text_Label(this, QStringLiteral("Software Code : "), 136, 60);
  Text_Label(this, QString::fromLatin1(Product_SW_Code), 260, 60, true);
  Text_Label(this, QStringLiteral("Version :"), 136, 78);
  Text_Label(this, QString::fromLatin1(Current_Version), 260, 78, true);
  Text_Label(this, QStringLiteral("Document Code :"), 136, 96);
  Text_Label(this, QString::fromLatin1(Manual_Code), 260, 96, true);

  LL_Web = new ClickableLabel(this);
  LL_Web->setText(QStringLiteral("<span style=\"color:#0000FF; text-decoration:underline\">%1"
                                 "</span>")
                      .arg(QString::fromLatin1(Maker_Web_Host)));
  LL_Web->setCursor(Qt::PointingHandCursor);
  LL_Web->adjustSize();
  LL_Web->move(425 - 16 - LL_Web->width(), 148 - 14 - LL_Web->height());

  Btn_OK = new FlatButton(FlatButton::Kind::Plain, QIcon(), this);
  Btn_OK->setText(QStringLiteral("OK"));
  Btn_OK->setGeometry(32, 112, 81, 26);
  Btn_OK->setDefault(true);
  connect(Btn_OK, &QPushButton::clicked, this, &QDialog::accept);

  auto open_home = [this] { Open_Url(QString::fromStdString(Maker_Home_Page())); };
  connect(Image1, &ClickableLabel::clicked, this, open_home);
  connect(LL_Web, &ClickableLabel::clicked, this, open_home);
  setFixedSize(425, 148);
}

void TFAbout::showEvent(QShowEvent *event) {
  // Drawn at the first showing, so the program's start does not pay for it.
  if (Image1->pixmap().isNull())
    Image1->setPixmap(Glyphs::Product_Picture(81));
  L_Product->setText(product_desc_);
  L_Product->adjustSize();
  QDialog::showEvent(event);
}

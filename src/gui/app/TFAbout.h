#pragma once
#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;
class ClickableLabel;

// The About window: product picture, product line, code, version, manual code and the maker's
// web address. Its texts are not translated.
class TFAbout : public QDialog {
  Q_OBJECT
public:
  TFAbout(const QString &product_desc, QWidget *parent);

  std::function<void(const QString &)> Open_Url;
  ClickableLabel *Image1;
  QLabel *L_Product;
  ClickableLabel *LL_Web;
  QPushButton *Btn_OK;

protected:
  void showEvent(QShowEvent *event) override;

private:
  QString product_desc_;
};

// A bare Qt dialog program, a label and an OK button: the yardstick for the configurator's
// start-up time. (A dialog without any text would skip the font set-up every program with
// text pays for.)
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QDialog dialog;
  auto *layout = new QVBoxLayout(&dialog);
  layout->addWidget(new QLabel(QStringLiteral("Hello"), &dialog));
  layout->addWidget(new QPushButton(QStringLiteral("OK"), &dialog));
  dialog.resize(694, 396);
  dialog.show();
  QTimer::singleShot(0, &app, &QApplication::quit);
  return app.exec();
}

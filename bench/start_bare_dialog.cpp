// A bare Qt dialog program: the yardstick for the configurator's start-up time.
#include <QApplication>
#include <QDialog>
#include <QTimer>

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  QDialog dialog;
  dialog.resize(694, 396);
  dialog.show();
  QTimer::singleShot(0, &app, &QApplication::quit);
  return app.exec();
}

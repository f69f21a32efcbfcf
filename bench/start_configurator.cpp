// The configurator's start: main window and every other window created, main window shown.
// argv[1] is the folder that stands in for the executable's folder.
#include <QApplication>
#include <QTimer>

#include "app/Program.h"
#include "app/TFSorvaneFirmWare.h"
#include "shell/Workspace.h"
#include "widgets/QtMessageBoxes.h"

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  if (argc < 2)
    return 2;
  Workspace workspace;
  QtMessageBoxes boxes;
  Program program(workspace, boxes, argv[1]);
  program.Main_Window().show();
  QTimer::singleShot(0, &app, &QApplication::quit);
  return app.exec();
}

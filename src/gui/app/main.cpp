#include <QApplication>

#include "app/Program.h"
#include "app/TFSorvaneFirmWare.h"
#include "common/ExecutableDir.h"
#include "shell/Workspace.h"
#include "widgets/QtMessageBoxes.h"

int main(int argc, char *argv[]) {
  QApplication app(argc, argv);
  Workspace workspace;
  QtMessageBoxes boxes;
  Program program(workspace, boxes, Executable_Dir());
  program.Main_Window().show();
  return app.exec();
}

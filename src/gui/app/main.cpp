#include <QApplication>
#include <QScreen>

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
  QWidget &main_window = program.Main_Window();
  if (const QScreen *screen = QGuiApplication::primaryScreen())
    main_window.move(screen->availableGeometry().center() - main_window.rect().center());
  main_window.show();
  return app.exec();
}

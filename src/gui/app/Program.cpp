#include "app/Program.h"

#include <QApplication>

#include "app/TFAbout.h"
#include "app/TFSorvaneFirmWare.h"
#include "parameters/TFParGen.h"
#include "shell/TFNew_Project.h"
#include "shell/TFOpenConf.h"
#include "shell/Workspace.h"
#include "widgets/Look.h"

namespace {
// Every window uses the same font; as the application's font it is resolved once, not per window.
TFSorvaneFirmWare *Create_Main_Window(Workspace &workspace, MessageBoxes &boxes,
                                      const std::filesystem::path &exe_dir) {
  QApplication::setFont(Look::Base_Font());
  return new TFSorvaneFirmWare(workspace, boxes, exe_dir);
}
} // namespace

Program::Program(Workspace &workspace, MessageBoxes &boxes, const std::filesystem::path &exe_dir)
    : main_(Create_Main_Window(workspace, boxes, exe_dir)) {
  // Every other window is a child of the main window, so it goes when the main window goes.
  windows_.New_Project = new TFNew_Project(workspace, boxes, main_.get());
  windows_.OpenConf = new TFOpenConf(workspace, main_.get());
  windows_.About = new TFAbout(Look::Q(workspace.SW_Desc), main_.get());
  windows_.ParGen = new TFParGen(workspace, boxes, main_.get());
  main_->Set_Windows(windows_);
}

Program::~Program() = default;

#include "app/Program.h"

#include "app/TFAbout.h"
#include "app/TFSorvaneFirmWare.h"
#include "parameters/TFParGen.h"
#include "shell/TFNew_Project.h"
#include "shell/TFOpenConf.h"
#include "shell/Workspace.h"
#include "widgets/Look.h"

Program::Program(Workspace &workspace, MessageBoxes &boxes, const std::filesystem::path &exe_dir)
    : main_(std::make_unique<TFSorvaneFirmWare>(workspace, boxes, exe_dir)) {
  // Every other window is a child of the main window, so it goes when the main window goes.
  windows_.New_Project = new TFNew_Project(workspace, boxes, main_.get());
  windows_.OpenConf = new TFOpenConf(workspace, main_.get());
  windows_.About = new TFAbout(Look::Q(workspace.SW_Desc), main_.get());
  windows_.ParGen = new TFParGen(workspace, boxes, main_.get());
  main_->Set_Windows(windows_);
}

Program::~Program() = default;

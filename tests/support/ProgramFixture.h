#pragma once
#include <gtest/gtest.h>
#include <memory>

#include "app/Program.h"
#include "app/TFSorvaneFirmWare.h"
#include "shell/Workspace.h"
#include "support/core/RecordingMessageBoxes.h"
#include "support/core/TempDir.h"

// The whole program started in a temporary folder that stands in for the executable's folder,
// with every box answered by the recorder.
struct ProgramFixture : testing::Test {
  TempDir dir;
  Workspace ws;
  RecordingMessageBoxes boxes;
  std::unique_ptr<Program> program;

  void Start() { program = std::make_unique<Program>(ws, boxes, dir.Path()); }
  TFSorvaneFirmWare &Main() { return program->Main_Window(); }
};

#pragma once
#include <filesystem>
#include <memory>

#include "app/AppWindows.h"

class MessageBoxes;
class TFSorvaneFirmWare;
struct Workspace;

// Program start: the main window first (it builds the message table), then every other window
// once, in a fixed order. All of them live until the program ends.
class Program {
public:
  Program(Workspace &workspace, MessageBoxes &boxes, const std::filesystem::path &exe_dir);
  ~Program();

  TFSorvaneFirmWare &Main_Window() { return *main_; }
  const AppWindows &Windows() const { return windows_; }

private:
  std::unique_ptr<TFSorvaneFirmWare> main_;
  AppWindows windows_;
};

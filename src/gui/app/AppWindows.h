#pragma once

class TFAbout;
class TFNew_Project;
class TFOpenConf;
class TFParGen;

// The windows the main window shows, created once at start in this order after the main window.
// A window not yet part of the program stays null.
struct AppWindows {
  TFNew_Project *New_Project = nullptr;
  TFOpenConf *OpenConf = nullptr;
  TFAbout *About = nullptr;
  TFParGen *ParGen = nullptr;
};

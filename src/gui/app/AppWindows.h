#pragma once

class TFAbout;

// The windows the main window shows, created once at start in this order after the main window.
// A window not yet part of the program stays null.
struct AppWindows {
  TFAbout *About = nullptr;
};

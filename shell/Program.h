#pragma once
// The program's three windows, created once in their fixed order and kept
// for the whole run: the main window first, then the About window and the
// read-me window, both hidden.
#include "shell/uKalvo.h"
#include "windows/ABox.h"
#include "windows/uReadMe.h"

class TProgram {
 public:
  TProgram();
  ~TProgram();
  TProgram(const TProgram&) = delete;
  TProgram& operator=(const TProgram&) = delete;

  // Shows the main window and runs the message loop until it closes.
  int Run();

  TfmKalvo MainWindow;
  TAboutBox About;
  TfmReadMe ReadMe;
};

// Application-wide settings made before any window exists.
void InitialiseApplication();

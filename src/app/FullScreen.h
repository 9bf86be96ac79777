#pragma once
// `tessarin` with no command: the full-screen program in the current folder.
namespace tess {

// Runs the program on the terminal and returns its exit status; the terminal
// is given back before any message is written.
int runFullScreen();

}  // namespace tess

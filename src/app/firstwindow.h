// For timing a program's start: with VOKABRIX_QUIT_ON_FIRST_WINDOW set, the first window
// that comes up is closed at once and the program ends after it.
#pragma once

namespace vx {

// Arms the quit when the variable is set; call before the first window is shown.
void quitOnFirstWindowIfAsked();
// True once the first window was closed that way: the program should end.
bool quitRequested();

} // namespace vx

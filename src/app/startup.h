// The start-up of the exercise program, before any window is visible.
#pragma once

#include "appcontext.h"

namespace vx {

class frmMain;

// Settings, colour tables, the language window, the text table and the main window, in
// this order. Returns the main window, shown; nullptr when the program ends before it
// (Cancel in the language window, or no language file).
frmMain* StartVokabrix(AppContext& ctx);

} // namespace vx

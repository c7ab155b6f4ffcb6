// The exercise windows the launcher can open, by exercise.
#pragma once

namespace vx {

struct AppContext;
class frmMain;

// Adds the entry of every exercise window that exists to the launcher's registry.
void registerExercises(AppContext& ctx);
// Lets the main window's word-list button open the word-list window.
void registerWordLists(frmMain& main);

} // namespace vx

// The exercise windows the launcher can open, by exercise.
#pragma once

namespace vx {

struct AppContext;

// Adds the entry of every exercise window that exists to the launcher's registry.
void registerExercises(AppContext& ctx);

} // namespace vx

#include "registry.h"

#include "app/appcontext.h"

namespace vx {

void registerExercises(AppContext& ctx) { Q_UNUSED(ctx) }

} // namespace vx

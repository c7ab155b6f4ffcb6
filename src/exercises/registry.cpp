#include "registry.h"

#include "app/appcontext.h"
#include "quattro/frmquattro.h"
#include "worm/frmworm.h"

namespace vx {

void registerExercises(AppContext& ctx) {
    ctx.exercises[Exercise::Quattro].create = [](AppContext& c) { return new frmQuattro(c); };
    ctx.exercises[Exercise::Worm].create = [](AppContext& c) { return new frmWorm(c); };
}

} // namespace vx

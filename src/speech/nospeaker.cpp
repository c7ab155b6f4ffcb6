#include "speech.h"

namespace vx {

// A build without Qt's speech module speaks nothing.
std::unique_ptr<Speaker> makeProgramSpeaker() {
    return std::make_unique<SilentSpeaker>(
        QStringLiteral("Speech is not available in this build."));
}

} // namespace vx

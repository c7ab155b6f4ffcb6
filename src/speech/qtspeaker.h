// The Qt speech engine behind the Speaker interface, made once for the program. The engine
// lives on a thread of its own: connecting to the speech server can take seconds, or hang
// when the server does, and no window may wait for it. Until the engine has answered,
// speech counts as unavailable ("starting"); when the engine, its server or a voice is
// missing it says so and speaks nothing.
#pragma once

#include "speech.h"

#include <memory>

class QThread;

namespace vx {

class QtSpeaker : public Speaker {
    Q_OBJECT
public:
    QtSpeaker();
    ~QtSpeaker() override;

    SpeechProblem problem(int language, EnglishVariant variant) const override;
    void say(const QString& text, int language, EnglishVariant variant) override;

    struct Engine;

private:
    QThread* m_thread = nullptr; // left running at the end when the server hangs
    std::shared_ptr<Engine> m_engine;
};

} // namespace vx

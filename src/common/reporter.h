// How logic without windows tells the user something: the windows implement Reporter with
// message boxes; tests collect the messages.
#pragma once

#include <QString>
#include <QStringList>
#include <functional>

namespace vx {

class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void message(const QString& text) = 0;
};

// Collects messages; for tests and tools.
class CollectingReporter : public Reporter {
public:
    void message(const QString& text) override { messages << text; }
    QStringList messages;
};

// Lets pending window events run during long work; empty in tests and tools.
using EventPump = std::function<void()>;

inline void pump(const EventPump& p) {
    if (p)
        p();
}

} // namespace vx

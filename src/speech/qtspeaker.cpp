#include "qtspeaker.h"

#include <QLocale>
#include <QMutex>
#include <QMutexLocker>
#include <QPointer>
#include <QTextToSpeech>
#include <QThread>

namespace vx {

// What the engine's thread found out, shared with the window thread; it outlives the
// speaker when the thread is left hanging.
struct QtSpeaker::Engine {
    QObject* worker = nullptr; // lives on the engine's thread and owns the QTextToSpeech
    mutable QMutex mutex;
    bool started = false;
    bool failed = false;
    QList<QLocale> locales;
};

namespace {

// The engine's locale for a language: the one asked for, else another of the same language
// (espeak-ng names some voices by language alone). QLocale::c() when there is none.
QLocale voiceLocale(const QList<QLocale>& locales, int language, EnglishVariant variant) {
    const QLocale wanted(speechLocale(language, variant));
    if (locales.contains(wanted))
        return wanted;
    for (const QLocale& l : locales)
        if (l.language() == wanted.language())
            return l;
    return QLocale::c();
}

// Runs on the engine's thread.
void startEngine(const std::shared_ptr<QtSpeaker::Engine>& e, QPointer<Speaker> speaker) {
    bool failed = QTextToSpeech::availableEngines().isEmpty();
    QList<QLocale> locales;
    if (!failed) {
        auto* engine = new QTextToSpeech(e->worker);
        failed = engine->state() == QTextToSpeech::Error;
        if (!failed)
            locales = engine->availableLocales();
    }
    {
        QMutexLocker lock(&e->mutex);
        e->started = true;
        e->failed = failed;
        e->locales = locales;
    }
    QMetaObject::invokeMethod(speaker, [speaker] {
        if (speaker)
            emit speaker->availabilityChanged();
    });
}

} // namespace

QtSpeaker::QtSpeaker() : m_thread(new QThread), m_engine(std::make_shared<Engine>()) {
    m_thread->setObjectName(QStringLiteral("speech"));
    m_engine->worker = new QObject;
    m_engine->worker->moveToThread(m_thread);
    connect(m_thread, &QThread::finished, m_engine->worker, &QObject::deleteLater);
    m_thread->start(QThread::LowPriority);
    QMetaObject::invokeMethod(
        m_engine->worker,
        [e = m_engine, speaker = QPointer<Speaker>(this)] { startEngine(e, speaker); },
        Qt::QueuedConnection);
}

QtSpeaker::~QtSpeaker() {
    m_thread->quit();
    // A thread stuck in a call to a hanging speech server cannot be stopped; it is left to
    // end with the program rather than delay or crash the program's end.
    if (m_thread->wait(1000))
        delete m_thread;
}

SpeechProblem QtSpeaker::problem(int language, EnglishVariant variant) const {
    QMutexLocker lock(&m_engine->mutex);
    if (!m_engine->started)
        return SpeechProblem::Starting;
    if (m_engine->failed)
        return SpeechProblem::NoEngine;
    if (voiceLocale(m_engine->locales, language, variant) == QLocale::c())
        return SpeechProblem::NoVoice;
    return SpeechProblem::None;
}

void QtSpeaker::say(const QString& text, int language, EnglishVariant variant) {
    QLocale voice;
    {
        QMutexLocker lock(&m_engine->mutex);
        if (!m_engine->started || m_engine->failed || text.isEmpty())
            return;
        voice = voiceLocale(m_engine->locales, language, variant);
    }
    if (voice == QLocale::c())
        return;
    QObject* worker = m_engine->worker;
    QMetaObject::invokeMethod(
        worker,
        [worker, text, voice] {
            auto* engine = worker->findChild<QTextToSpeech*>();
            if (!engine)
                return;
            // A new word cuts the one still being spoken short.
            engine->stop();
            if (engine->locale() != voice)
                engine->setLocale(voice);
            engine->say(text);
        },
        Qt::QueuedConnection);
}

std::unique_ptr<Speaker> makeProgramSpeaker() {
    return std::make_unique<QtSpeaker>();
}

} // namespace vx

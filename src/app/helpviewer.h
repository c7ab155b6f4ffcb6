// The help document viewer of both programs: the HTML document of the user's own language
// in the program folder, opened at the topic of the window that asked (F1 or a Help button).
#pragma once

#include "common/programfolder.h"

#include <QObject>
#include <QPointer>

#include <functional>

class QTextBrowser;
class QWidget;

namespace vx {

class HelpViewer {
public:
    // Shows the document of an own language (code 1..5) at a topic (a window name); creates
    // the viewer on first use.
    static void open(const ProgramFolder& folder, int language, const QString& topic);
    static QWidget* window();
};

// Opens the help at the active window's topic when F1 is pressed anywhere, in the own
// language that `language` gives at that moment.
class HelpKeyFilter : public QObject {
public:
    HelpKeyFilter(ProgramFolder folder, std::function<int()> language, QObject* parent = nullptr)
        : QObject(parent), m_folder(std::move(folder)), m_language(std::move(language)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ProgramFolder m_folder;
    std::function<int()> m_language;
};

// Sends F1 to a window, so that the same key handling runs as for a pressed key.
void sendHelpKey(QWidget* window);

} // namespace vx

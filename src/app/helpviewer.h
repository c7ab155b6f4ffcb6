// The help document viewer of both programs: one HTML document in the program folder,
// opened at the topic of the window that asked (F1 or a Help button).
#pragma once

#include "common/programfolder.h"

#include <QObject>
#include <QPointer>

class QTextBrowser;
class QWidget;

namespace vx {

class HelpViewer {
public:
    static constexpr const char* kFileName = "Vokabrix.html";

    // Shows the viewer at a topic (a window name); creates it on first use.
    static void open(const ProgramFolder& folder, const QString& topic);
    static QWidget* window();
};

// Opens the help at the active window's topic when F1 is pressed anywhere.
class HelpKeyFilter : public QObject {
public:
    explicit HelpKeyFilter(ProgramFolder folder, QObject* parent = nullptr)
        : QObject(parent), m_folder(std::move(folder)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    ProgramFolder m_folder;
};

// Sends F1 to a window, so that the same key handling runs as for a pressed key.
void sendHelpKey(QWidget* window);

} // namespace vx

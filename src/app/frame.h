// The frame every window of the exercise program shares: a content box of fixed size
// centred on the scheme's background colour, full-screen mode, captions from the text
// table, and the pictures copied from the main window.
#pragma once

#include "appcontext.h"
#include "messagebox.h"

#include <QDialog>
#include <QLabel>
#include <QPixmap>

namespace vx {

class DrawnButton;

// The content box `picHolder`: a fixed-size panel that paints its picture over its colour.
class ContentBox : public QWidget {
    Q_OBJECT
public:
    explicit ContentBox(QWidget* parent, QSize size);
    void setPicture(const QPixmap& picture);
    const QPixmap& picture() const { return m_picture; }
    void setColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_picture;
    QColor m_color;
};

// A label that shows a picture and reports clicks (flags, decorative images).
class PictureLabel : public QLabel {
    Q_OBJECT
public:
    explicit PictureLabel(QWidget* parent, const QString& name = {});
signals:
    void clicked();
    void pressed();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The base of every window of the exercise program. Its Tag names the text of its title
// or is "NOMAX" for windows that are never maximised.
class VxWindow : public QDialog {
    Q_OBJECT
public:
    VxWindow(AppContext& context, const QString& name, const QString& tag, QSize contentSize,
             QWidget* parent = nullptr);

    AppContext& ctx;
    ContentBox* picHolder = nullptr;

    QString tag() const;

    // A drawn button in the content box, its caption from the text table by Tag.
    DrawnButton* addButton(const QString& name, int textNumber, QRect geometry);
    DrawnButton* addButton(const QString& name, const QString& caption, QRect geometry);
    QLabel* addLabel(const QString& name, int textNumber, QRect geometry);

    // Centres the window on the screen.
    void centre();

public slots:
    // A dialog's Escape arrives here: it runs the window's own rule for Escape instead of
    // rejecting the dialog.
    void reject() override;

protected:
    // Escape does nothing unless a window gives it the action of one of its buttons.
    virtual void escapePressed() {}
    void resizeEvent(QResizeEvent* event) override;
    // Closing ends a modal run with Rejected; subclasses call this at the end of theirs.
    void closeEvent(QCloseEvent* event) override;
};

// The layout rule: maximised in full-screen mode (not "NOMAX" windows), background colour,
// the content box centred.
void ApplyLayout(VxWindow* window);
// The main window's picture for a content box or window, when it differs.
void ApplyBackground(ContentBox* box, const AppContext& ctx);
void ApplyFormBackground(VxWindow* window);
// Layout, then every tagged control's caption and the title from the text table.
void ApplyTexts(VxWindow* window);
// The own and practised language flags of a window with picFromFlag and picToFlag.
void ShowFlags(VxWindow* window);

// The program's font, the one every window is laid out for.
void applyProgramFont();

// Makes a widget's font larger by some points, bold unless told otherwise (titles, the
// words asked).
void enlargeFont(QWidget* widget, double points, bool bold = true);

// Sets a widget's Tag, the caption source of ApplyTexts.
void setTag(QWidget* widget, const QString& tag);
inline void setTag(QWidget* widget, int number) { setTag(widget, QString::number(number)); }

} // namespace vx

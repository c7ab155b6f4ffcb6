// The Quattro window: the asked word, four answer boxes, the pause after a right answer.
#pragma once

#include "exercises/common/exercisewindow.h"
#include "quattro.h"

#include <QTimer>

namespace vx {

// One answer box: its colour, its centred text, and a red cross line when wrong.
class OptionBox : public QWidget {
    Q_OBJECT
public:
    OptionBox(QWidget* parent, int index);
    void setContent(const QString& text, const QColor& colour);
    const QColor& colour() const { return m_colour; }
    const QString& text() const { return m_text; }

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_index;
    QString m_text;
    QColor m_colour{255, 255, 255};
};

class frmQuattro : public ExerciseWindow {
    Q_OBJECT
public:
    explicit frmQuattro(AppContext& context);

    QuattroState state;
    QLabel* lblWord1 = nullptr;
    std::array<OptionBox*, 4> picOption{};
    QWidget* Picture1 = nullptr;
    QTimer tmrNew;

    void newQuestion();
    void optionClicked(int index); // box index 0..3
    void DrawOptions();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QString wordToSpeak() const override { return lblWord1->text(); }
};

} // namespace vx

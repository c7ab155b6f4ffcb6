// The Synonym window: two columns of ten words, markers between them, a rubber band that
// follows the mouse from a clicked left marker, and the lines of the pairs made.
#pragma once

#include "exercises/common/exercisewindow.h"
#include "synonym.h"

#include <QLine>

namespace vx {

class frmSynonym;

// The layer under the labels that draws the pairs' lines and the rubber band.
class LinePanel : public QWidget {
    Q_OBJECT
public:
    LinePanel(QWidget* parent, const frmSynonym& window);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const frmSynonym& m_window;
};

class frmSynonym : public ExerciseWindow {
    Q_OBJECT
public:
    explicit frmSynonym(AppContext& context);

    SynonymState state;
    std::array<QLabel*, kSynonymPairs> RAD1{};
    std::array<QLabel*, kSynonymPairs> RAD2{};
    std::array<QWidget*, kSynonymPairs> Picture1{};
    std::array<QWidget*, kSynonymPairs> Picture2{};
    QWidget* Line3 = nullptr;
    LinePanel* lines = nullptr;
    QList<QLine> permanentLines;
    QPoint bandStart;
    QPoint bandEnd;

    void newBoard();
    void ShowSynonymScore() { ShowScore(); }
    void startLink(int k);
    void moveBand(QPoint panelPoint);
    void linkTo(int j);
    void cancelLink();
    void refresh();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    // The practised word of the last right link.
    QString wordToSpeak() const override { return m_lastLinked; }

private:
    QPoint centreOf(const QWidget* marker) const;
    QString m_lastLinked;
};

} // namespace vx

// The Genus window: ten rows of a noun, its translation and the articles to choose from.
#pragma once

#include "exercises/common/exercisewindow.h"
#include "genus.h"

namespace vx {

class frmGenus : public ExerciseWindow {
    Q_OBJECT
public:
    explicit frmGenus(AppContext& context);

    GenusState state;
    std::array<QLabel*, kGenusRows> lblWord1{};
    std::array<QLabel*, kGenusRows> lblWord2{};
    std::array<std::array<PictureLabel*, 3>, kGenusRows> lblGenus{};
    std::array<QWidget*, kGenusRows> Shape4{};

    void newSet();
    void answer(int row, int label);
    void ShowRow(int row);
    QColor frameColour(int row) const;

protected:
    // The noun of the last answer, with its right article.
    QString wordToSpeak() const override { return m_lastNoun; }

private:
    void resetRows();
    QString m_lastNoun;
};

} // namespace vx

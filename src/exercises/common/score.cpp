#include "score.h"

#include "common/textconv.h"

namespace vx {

ScoreTexts scoreTexts(qint32 rightAnswers, qint32 wrongAnswers) {
    ScoreTexts t;
    t.wrong = formatWhole(wrongAnswers);
    t.correct = formatWhole(rightAnswers);
    t.score = rightAnswers > 0
                  ? formatWhole(rightAnswers * 100.0 / (rightAnswers + static_cast<double>(wrongAnswers)))
                  : QStringLiteral("0");
    return t;
}

} // namespace vx

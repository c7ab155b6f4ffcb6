// The high-score reader over any bytes; the list read is then ranked like a finished game,
// written back and read again.
#include "exercises/highscores/highscores.h"
#include "fuzzcheck.h"

using namespace vx;

FUZZ_TARGET {
    HighScoreList list = ReadHighScoreBytes(bytes);
    for (int k = 1; k <= 10; ++k)
        FUZZ_CHECK(!list.lblScore[k].isEmpty());
    const int rank = AddHighScore(list, 100);
    FUZZ_CHECK(rank >= 0 && rank <= 10);
    // Whatever names the file held, the list written back reads back as it was, a double
    // quote in a name becoming an apostrophe.
    const HighScoreList back = ReadHighScoreBytes(WriteHighScoreBytes(list));
    for (int k = 1; k <= 10; ++k) {
        FUZZ_CHECK(back.lblScore[k] == list.lblScore[k]);
        FUZZ_CHECK(back.lblName[k] == QString(list.lblName[k]).replace(u'"', u'\''));
    }
}

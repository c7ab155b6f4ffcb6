// The high-score reader over any bytes; the list read is then ranked like a finished game,
// written back and read again.
#include "exercises/highscores/highscores.h"
#include "fuzzcheck.h"

using namespace vx;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    HighScoreList list = ReadHighScoreBytes(fuzz::bytesOf(data, size));
    for (int k = 1; k <= 10; ++k)
        FUZZ_CHECK(!list.lblScore[k].isEmpty(), QStringLiteral("rank %1 without a score").arg(k));
    const int rank = AddHighScore(list, 100);
    FUZZ_CHECK(rank >= 0 && rank <= 10, QStringLiteral("rank %1").arg(rank));
    // Whatever names the file held, the list written back reads back as it was, a double
    // quote in a name becoming an apostrophe.
    const HighScoreList back = ReadHighScoreBytes(WriteHighScoreBytes(list));
    for (int k = 1; k <= 10; ++k) {
        FUZZ_CHECK(back.lblScore[k] == list.lblScore[k],
                   QStringLiteral("rank %1: score \"%2\" read back as \"%3\"")
                       .arg(k)
                       .arg(list.lblScore[k], back.lblScore[k]));
        FUZZ_CHECK(back.lblName[k] == QString(list.lblName[k]).replace(u'"', u'\''),
                   QStringLiteral("rank %1: name \"%2\" read back as \"%3\"")
                       .arg(k)
                       .arg(list.lblName[k], back.lblName[k]));
    }
    return 0;
}

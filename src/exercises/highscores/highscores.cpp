#include "highscores.h"

#include "common/cp1252.h"
#include "common/sequential.h"
#include "common/textconv.h"

#include <QFile>
#include <QSaveFile>

namespace vx {

QString highScoreFileName(int toLanguage, const QString& prefix) {
    return prefix + QStringLiteral("%1").arg(toLanguage, 2, 10, QLatin1Char('0')) + QStringLiteral(".HGH");
}

HighScoreList ReadHighScoreBytes(QByteArrayView data) {
    const QStringList fields = readSequentialFields(data);
    HighScoreList list;
    int score = 0;
    QString name;
    qsizetype next = 0;
    for (int k = 1; k <= 10; ++k) {
        if (next < fields.size()) {
            const QString field = trimBlanks(fields[next++]);
            bool ok = field.isEmpty();
            // A score is a 16-bit whole number; one beyond that range is as damaged as text.
            const int value = ok ? 0 : field.toShort(&ok);
            if (ok)
                score = value;
        }
        if (next < fields.size())
            name = fields[next++];
        list.lblName[k] = name;
        list.lblScore[k] = str(score);
    }
    return list;
}

HighScoreList ReadHighScores(const ProgramFolder& folder, const QString& fileName) {
    QFile file(folder.resolve(fileName));
    if (!file.open(QIODevice::ReadOnly))
        return ReadHighScoreBytes({});
    return ReadHighScoreBytes(file.readAll());
}

int AddHighScore(HighScoreList& list, int score) {
    int rank = 0;
    for (int i = 1; i <= 10; ++i) {
        if (static_cast<int>(val(list.lblScore[i])) < score) {
            rank = i;
            break;
        }
    }
    if (rank == 0)
        return 0;
    for (int j = 10; j > rank; --j) {
        list.lblScore[j] = list.lblScore[j - 1];
        list.lblName[j] = list.lblName[j - 1];
    }
    list.lblScore[rank] = str(score);
    list.lblName[rank].clear();
    return rank;
}

namespace {

// Whether a name reads back as written only in double quotes: one holding a separator (a
// comma or a line end, which a quoted field of a read file may hold) or a double quote, or
// one with blanks at an edge, which an unquoted field loses.
bool needsQuotes(const QString& name) {
    for (QChar c : name) {
        if (c == u',' || c == u'"' || c == u'\r' || c == u'\n')
            return true;
    }
    return !name.isEmpty() && (name.front() == u' ' || name.front() == u'\t' || name.back() == u' ');
}

} // namespace

QByteArray WriteHighScoreBytes(const HighScoreList& list) {
    QString text;
    for (int k = 1; k <= 10; ++k) {
        QString name = list.lblName[k];
        if (needsQuotes(name))
            name = u'"' + QString(name).replace(u'"', u'\'') + u'"';
        text += list.lblScore[k] + QStringLiteral("\r\n") + name + QStringLiteral("\r\n");
    }
    return toCp1252Lossy(text);
}

bool WriteHighScores(const ProgramFolder& folder, const QString& fileName, const HighScoreList& list,
                     QString& error) {
    QSaveFile file(folder.resolveForWriting(fileName));
    const QByteArray data = WriteHighScoreBytes(list);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        error = file.errorString();
        return false;
    }
    return true;
}

} // namespace vx

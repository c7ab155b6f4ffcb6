#include "wordlists.h"

#include <QDir>
#include <QFile>

namespace vx {

QStringList defaultWordLists() { return {QStringLiteral("Vokabrix.dct"), QStringLiteral("own.dct")}; }

namespace {
bool named(const QStringList& chosen, const QString& name) {
    return chosen.contains(name, Qt::CaseInsensitive);
}
} // namespace

WordListChoice ListWordLists(const ProgramFolder& folder, const QStringList& chosen, Reporter* reporter) {
    WordListChoice choice;
    choice.builtInTicked = named(chosen, QStringLiteral("Vokabrix.dct"));
    QDir dir(folder.path());
    dir.setNameFilters({QStringLiteral("*.dct")});
    dir.setFilter(QDir::Files);
    dir.setSorting(QDir::Unsorted | QDir::IgnoreCase);
    const QStringList names = dir.entryList();
    for (const QString& name : names) {
        if (choice.files.size() >= kMaxWordLists)
            break;
        QFile file(dir.filePath(name));
        if (!file.open(QIODevice::ReadOnly)) {
            if (reporter)
                reporter->message(file.errorString());
            continue;
        }
        const QByteArray head = file.read(2);
        if (file.error() != QFileDevice::NoError) {
            if (reporter)
                reporter->message(file.errorString());
            continue;
        }
        const bool plain = head.size() < 2 || (head[0] == 0 && head[1] == 0);
        if (!plain)
            continue;
        choice.files << name;
        choice.ticked << named(chosen, name);
    }
    return choice;
}

QStringList ChosenWordLists(const WordListChoice& choice) {
    QStringList out;
    if (choice.builtInTicked)
        out << kBuiltInChoice;
    for (qsizetype i = 0; i < choice.files.size(); ++i) {
        if (choice.ticked.value(i))
            out << choice.files[i];
    }
    return out;
}

} // namespace vx

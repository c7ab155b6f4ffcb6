// vokabrix-bench: times loading, crossword generation, the editor's file and clipboard work
// and the start of both programs, and prints the median and spread of repeated runs.
#include "crossword/korsord.h"
#include "editor/edit1.h"
#include "editor/gridmodel.h"
#include "exchange/kvtml.h"
#include "tools/dicttool/tsv.h"
#include "words/dictfile.h"
#include "words/wordstore.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace vx;

namespace {

struct Figure {
    double median;
    double low;
    double high;
};

// Runs `work` `runs` times after one warm-up; milliseconds.
Figure measure(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i <= runs; ++i) {
        if (prepare)
            prepare();
        QElapsedTimer t;
        t.start();
        work();
        const double ms = t.nsecsElapsed() / 1e6;
        if (i > 0)
            times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    return {times[times.size() / 2], times.front(), times.back()};
}

void print(const char* what, const Figure& f, const char* aim) {
    std::printf("%-52s %9.2f ms   (%.2f .. %.2f)   aim %s\n", what, f.median, f.low, f.high, aim);
    std::fflush(stdout);
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    return f.readAll();
}

std::vector<WordRecord> generatedRecords(int count) {
    std::vector<WordRecord> out;
    out.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        WordRecord r;
        const QString n = QString::number(i);
        r.text = {"ett ord" + n, "word" + n, "das Wort" + n, "mot" + n + " (m)", "palabra" + n + " (f)"};
        r.level = {1 + i % 5, 1 + i % 5, 1 + i % 5, 1 + i % 5, 1 + i % 5};
        r.wordClass = 1;
        out.push_back(r);
    }
    return out;
}

void crosswordFigures(const WordStore& store, int size) {
    CrosswordState state;
    Random rng;
    Korsord k(state, rng);
    k.InitCrosswordState();
    k.PrepareCrosswordWords(store, 2, 3);
    k.FinishCrosswordSetUp();
    quint64 seed = 1;
    double letters = 0, words = 0, crossings = 0;
    int grids = 0;
    const Figure f = measure(
        21, [&] { rng.seed(seed++); },
        [&] {
            k.SetUpBoard(size, 525);
            k.GenerateCrossword();
        });
    // The shape of the grids the timing made, from a fresh run per seed.
    for (quint64 s = 1; s <= 21; ++s) {
        rng.seed(s);
        k.SetUpBoard(size, 525);
        k.GenerateCrossword();
        int cells = 0, placed = 0, crossed = 0;
        for (int r = 1; r <= size; ++r) {
            for (int c = 1; c <= size; ++c) {
                if (k.IsLetterCell(r, c)) {
                    ++cells;
                    if (!state.AcrossLabel[r][c].isEmpty() && !state.DownLabel[r][c].isEmpty())
                        ++crossed;
                }
                placed += (state.ClueText[1][r][c].isEmpty() ? 0 : 1) + (state.ClueText[2][r][c].isEmpty() ? 0 : 1);
            }
        }
        letters += 100.0 * cells / (size * size);
        words += placed;
        crossings += placed ? 2.0 * crossed / placed : 0;
        ++grids;
    }
    char what[80];
    std::snprintf(what, sizeof what, "crossword %d x %d, medium, builder alone", size, size);
    print(what, f, size == 25 ? "< 20 ms" : "-");
    std::printf("    letter cells %.0f %%, words %.1f, crossings per word %.2f (mean of %d grids)\n",
                letters / grids, words / grids, crossings / grids, grids);
}

Figure processStart(const QString& program, int runs) {
    return measure(runs, {}, [&] {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("VOKABRIX_QUIT_ON_FIRST_WINDOW"), QStringLiteral("1"));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), QDir::tempPath() + QStringLiteral("/vokabrix-bench-config"));
        p.setProcessEnvironment(env);
        p.start(program, {});
        if (!p.waitForFinished(30000))
            qFatal("%s did not end", qPrintable(program));
    });
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString folder = QCoreApplication::applicationDirPath();
    std::printf("vokabrix-bench: median and (fastest .. slowest) of repeated runs\n\n");

    // Loading into the word store.
    const QByteArray builtIn = readFile(folder + QStringLiteral("/VOKABRIX.DCT"));
    LoadContext context;
    context.fromLanguage = 2;
    context.toLanguage = 3;
    WordStore store;
    print("load the built-in dictionary into the word store",
          measure(51, [&] { store.wordCount = 0; },
                  [&] { LoadDictionaryBytes(store, builtIn, QStringLiteral("VOKABRIX.DCT"), context); }),
          "-");
    QByteArray plain;
    QString error;
    encodeDictionary(generatedRecords(3500), false, plain, error);
    WordStore full;
    print("load a plain file of 3500 words",
          measure(51, [&] { full.wordCount = 0; },
                  [&] { LoadDictionaryBytes(full, plain, QStringLiteral("3500.dct"), context); }),
          "< 10 ms");

    // Crosswords from the built-in dictionary.
    store.wordCount = 0;
    LoadDictionaryBytes(store, builtIn, QStringLiteral("VOKABRIX.DCT"), context);
    crosswordFigures(store, 14);
    crosswordFigures(store, 25);

    // The editor.
    QTemporaryDir dir;
    QByteArray big;
    encodeDictionary(generatedRecords(10000), false, big, error);
    QFile out(dir.filePath(QStringLiteral("big.dct")));
    if (!out.open(QIODevice::WriteOnly))
        qFatal("cannot write");
    out.write(big);
    out.close();
    EditorStore editorStore;
    GridState grid;
    EditorGridModel model(grid);
    EditorHooks hooks;
    hooks.gridReset = [&model] { model.reset(); };
    Edit1 edit(editorStore, grid, ProgramFolder(dir.path()), hooks);
    print("editor: open a 10000-record dictionary and fill the grid",
          measure(11, [&] { edit.ClearStore(); },
                  [&] {
                      edit.LoadDictionary(QStringLiteral("big.dct"));
                      edit.FillGrid();
                  }),
          "< 100 ms");
    print("editor: save it (with the backup)", measure(11, {}, [&] { edit.SaveDictionary(QStringLiteral("big.dct")); }),
          "< 50 ms");
    QString lines;
    for (int i = 0; i < 10000; ++i)
        lines += QStringLiteral("ord%1\t2\tword%1\t2\tWort%1\t2\tmot%1\t2\tpalabra%1\t2\t1\r\n").arg(i);
    print("editor: paste 10000 lines into an empty dictionary",
          measure(11,
                  [&] {
                      edit.ClearStore();
                      editorStore.recordCount = 0;
                      edit.FillGrid();
                      grid.row = grid.rowSel = 1;
                      grid.col = 0;
                      grid.colSel = 10;
                  },
                  [&] { edit.Paste(lines); }),
          "< 300 ms");

    // A KVTML word list of 10000 entries in five languages, as the editor imports it.
    const QByteArray kvtml = exchange::writeKvtml(generatedRecords(10000), QStringLiteral("bench"));
    exchange::ImportResult imported;
    print(
        "import a KVTML word list of 10000 entries",
        measure(11, {},
                [&] {
                    if (!exchange::readKvtml(kvtml, QStringLiteral("bench.kvtml"), imported, error))
                        qFatal("%s", qPrintable(error));
                }),
        "< 1000 ms");

    // Whole processes, to their first window and out again.
    print("vokabrix started to its first window and closed", processStart(folder + QStringLiteral("/vokabrix"), 11), "-");
    print("edit started to its first window and closed", processStart(folder + QStringLiteral("/edit"), 11), "-");
    return 0;
}

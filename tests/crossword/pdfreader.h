// A PDF read back with poppler-utils: its pages and its text, as a reader gets them.
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

namespace vx::test {

// The output of a poppler tool; a tool that fails ends the test run.
inline QByteArray poppler(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        qFatal("%s failed: %s", qPrintable(tool), p.readAllStandardError().constData());
    return p.readAllStandardOutput();
}

// The text of pages first..last in the order it was drawn, with every run of blanks and line
// breaks made one blank.
inline QString pdfText(const QString& pdf, int first, int last) {
    return QString::fromUtf8(poppler(QStringLiteral("pdftotext"),
                                     {"-raw", "-enc", "UTF-8", "-f", QString::number(first), "-l",
                                      QString::number(last), pdf, "-"}))
        .normalized(QString::NormalizationForm_KC) // no ligatures
        .simplified();
}

// Poppler ends every page's text with a form feed.
inline int pdfPages(const QString& pdf) {
    return static_cast<int>(poppler(QStringLiteral("pdftotext"), {pdf, "-"}).count('\f'));
}

} // namespace vx::test

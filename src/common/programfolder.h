// The program folder: where the data files are read and where the programs write theirs.
// Run from the build folder (LANG.CRP lies beside the executable) it is that one folder,
// as the data files expect. Installed, the read-only data lie in <prefix>/share/vokabrix
// and everything the programs write (own.dct, OWN.BAK, high scores, new dictionaries) in
// the user's data folder, ~/.local/share/vokabrix.
// File names are matched without regard to letter case, since the data files were named on
// a system that ignores case (VOKABRIX.DCT / Vokabrix.dct, Quick03.HGH / QUICK03.HGH).
#pragma once

#include <QString>

namespace vx {

class ProgramFolder {
public:
    ProgramFolder() = default;
    // One folder for reading and writing.
    explicit ProgramFolder(QString path) : m_path(path), m_dataPath(std::move(path)) {}
    // The user's folder, written to and read first, and the read-only data beside it.
    ProgramFolder(QString userPath, QString dataPath)
        : m_path(std::move(userPath)), m_dataPath(std::move(dataPath)) {}

    // The folders of the running program: the build folder, or the installed layout with
    // the user's folder made (and own.dct copied from the example) on its first start.
    static ProgramFolder ofApplication();
    // The installed layout for the executable in `binDir`, the user's folder in `userDir`.
    static ProgramFolder installed(const QString& binDir, const QString& userDir);

    // The folder the programs write to and list the user's dictionaries from.
    const QString& path() const { return m_path; }
    // The read-only data: the built-in dictionary, the language, verb and help files.
    const QString& dataPath() const { return m_dataPath; }

    // Full path of a bare name for reading: an existing file whose name equals it without
    // regard to case, in the user's folder first, then among the data; when there is none,
    // the name in the user's folder. A name holding a directory separator is a path and is
    // returned unchanged.
    QString resolve(const QString& name) const;
    // Full path of a bare name for writing: always in the user's folder, never the data.
    QString resolveForWriting(const QString& name) const;

    bool exists(const QString& name) const;

    static bool isPath(const QString& name);

private:
    QString m_path;
    QString m_dataPath;
};

} // namespace vx

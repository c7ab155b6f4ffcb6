// The program folder: the folder of the executable, where every data file lies.
// File names there are matched without regard to letter case, since the data files were
// named on a system that ignores case (VOKABRIX.DCT / Vokabrix.dct, Quick03.HGH / QUICK03.HGH).
#pragma once

#include <QString>

namespace vx {

class ProgramFolder {
public:
    ProgramFolder() = default;
    explicit ProgramFolder(QString path) : m_path(std::move(path)) {}

    // The folder of the running executable.
    static ProgramFolder ofApplication();

    const QString& path() const { return m_path; }

    // Full path of a bare name: an existing file whose name equals it without regard to
    // case, else the name as given. A name holding a directory separator is a path and is
    // returned unchanged.
    QString resolve(const QString& name) const;

    bool exists(const QString& name) const;

    static bool isPath(const QString& name);

private:
    QString m_path;
};

} // namespace vx

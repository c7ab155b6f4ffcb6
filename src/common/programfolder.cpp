#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace vx {

ProgramFolder ProgramFolder::ofApplication() {
    return ProgramFolder(QCoreApplication::applicationDirPath());
}

bool ProgramFolder::isPath(const QString& name) { return name.contains(u'/'); }

QString ProgramFolder::resolve(const QString& name) const {
    if (isPath(name))
        return name;
    const QDir dir(m_path);
    if (QFileInfo::exists(dir.filePath(name)))
        return dir.filePath(name);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return dir.filePath(name);
}

bool ProgramFolder::exists(const QString& name) const { return QFileInfo::exists(resolve(name)); }

} // namespace vx

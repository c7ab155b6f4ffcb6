#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vx {

namespace {

// An existing file of that name in `folder`, matched without regard to case; empty if none.
QString findIn(const QString& folder, const QString& name) {
    if (folder.isEmpty())
        return {};
    const QDir dir(folder);
    if (QFileInfo::exists(dir.filePath(name)))
        return dir.filePath(name);
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return {};
}

const QString kLanguageFile = QStringLiteral("LANG.CRP");
const QString kOwnDictionary = QStringLiteral("own.dct");

} // namespace

ProgramFolder ProgramFolder::ofApplication() {
    const QString binDir = QCoreApplication::applicationDirPath();
    if (!findIn(binDir, kLanguageFile).isEmpty())
        return ProgramFolder(binDir);
    const QString user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/vokabrix");
    return installed(binDir, user);
}

ProgramFolder ProgramFolder::installed(const QString& binDir, const QString& userDir) {
    const ProgramFolder folder(userDir,
                               QDir(binDir + QStringLiteral("/../share/vokabrix")).absolutePath());
    QDir().mkpath(userDir);
    // The first start gives the user the example dictionary to work on; a dictionary of
    // theirs is never replaced.
    const QString example = findIn(folder.dataPath(), kOwnDictionary);
    if (findIn(userDir, kOwnDictionary).isEmpty() && !example.isEmpty()) {
        const QString copy = QDir(userDir).filePath(kOwnDictionary);
        if (QFile::copy(example, copy))
            QFile::setPermissions(copy,
                                  QFile::permissions(copy) | QFile::WriteOwner | QFile::ReadOwner);
    }
    return folder;
}

bool ProgramFolder::isPath(const QString& name) {
    return name.contains(u'/');
}

QString ProgramFolder::resolve(const QString& name) const {
    if (isPath(name))
        return name;
    if (const QString own = findIn(m_path, name); !own.isEmpty())
        return own;
    if (m_dataPath != m_path) {
        if (const QString data = findIn(m_dataPath, name); !data.isEmpty())
            return data;
    }
    return QDir(m_path).filePath(name);
}

QString ProgramFolder::resolveForWriting(const QString& name) const {
    if (isPath(name))
        return name;
    const QString own = findIn(m_path, name);
    return own.isEmpty() ? QDir(m_path).filePath(name) : own;
}

bool ProgramFolder::exists(const QString& name) const {
    return QFileInfo::exists(resolve(name));
}

} // namespace vx

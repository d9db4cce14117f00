#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

// Whether this process can make a new file in `folder`.
inline bool CanCreateIn(const QString& folder) {
    QFile probe(QDir(folder).filePath(QStringLiteral("probe.tmp")));
    if (!probe.open(QIODevice::WriteOnly)) return false;
    probe.close();
    probe.remove();
    return true;
}

// A folder in which this process cannot make files: `dir` made read-only, or, when permissions
// do not stop the process (it runs as root), /sys, which takes no new files from anyone.
inline QString ReadOnlyFolder(const QTemporaryDir& dir) {
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                          QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther);
    if (!CanCreateIn(dir.path())) return dir.path();
    return QStringLiteral("/sys");
}

// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "keepaside.h"

#include "posixfile.h"

#include <QDateTime>
#include <QDir>

#include <sys/stat.h>
#include <unistd.h>

namespace storage {

using namespace posix;

bool keepAside(const QString &folder, const QStringList &fileNames)
{
    const QDir dir(folder);
    QStringList present;
    for (const QString &name : fileNames) {
        if (exists(dir.filePath(name)))
            present << name;
    }
    if (present.isEmpty())
        return true;

    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString asideName = QStringLiteral("unreadable-%1").arg(stamp);
    for (int n = 2; !dir.mkdir(asideName); ++n) {
        if (n > 100 || !dir.exists())
            return false;
        asideName = QStringLiteral("unreadable-%1-%2").arg(stamp).arg(n);
    }
    const QDir aside(dir.filePath(asideName));
    for (const QString &name : present) {
        // The file a link names, never the link: the save writes through it.
        // A second name of that file keeps the very bytes, since the save
        // puts a new file in its place rather than writing into it; a copy
        // where the disk has no such names. Only plain files: a FIFO is not
        // read, and a link that names nothing holds nothing.
        const QString from = resolved(dir.filePath(name));
        const QString to = aside.filePath(name);
        struct stat st;
        if (::stat(native(from).constData(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (::link(native(from).constData(), native(to).constData()) != 0 && !copyFile(from, to, nothingRefused))
            return false;
    }
    return syncFolder(aside.path()) && syncFolder(folder);
}

} // namespace storage

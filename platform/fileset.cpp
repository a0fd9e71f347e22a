// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fileset.h"

#include "runtimeerror.h"

#include <QDir>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <unistd.h>

namespace platform {

void raiseFileError(const QString &path)
{
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        throw RuntimeError(errors::PathNotFound, QStringLiteral("Path not found"));
    if (!info.exists())
        throw RuntimeError(errors::FileNotFound, QStringLiteral("File not found"));
    throw RuntimeError(errors::PathFileAccess, QStringLiteral("Path/File access error"));
}

FileSet::FileSet(WriteFault fault)
    : m_fault(std::move(fault))
{
}

FileSet::~FileSet()
{
    discard();
}

void FileSet::discard()
{
    for (const Pending &pending : m_pending)
        QFile::remove(pending.temporary);
    m_pending.clear();
}

void FileSet::write(const QString &path, const QByteArray &bytes)
{
    // Hidden, beside the target (a rename never crosses file systems), and
    // named so that two running games cannot pick the same one.
    const QFileInfo target(path);
    const QString temporary = target.absoluteDir().filePath(
        QStringLiteral(".%1.%2.new").arg(target.fileName()).arg(QCoreApplication::applicationPid()));

    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        raiseFileError(path);
    m_pending.push_back({path, temporary});
    const bool written = (!m_fault || !m_fault(path)) && file.write(bytes) == bytes.size() && file.flush()
        && ::fsync(file.handle()) == 0;
    file.close();
    if (!written || file.error() != QFileDevice::NoError)
        throw RuntimeError(errors::PathFileAccess, QStringLiteral("Path/File access error"));

    // Whoever could read the old file can read the new one.
    if (target.exists())
        QFile::setPermissions(temporary, QFile::permissions(path));
}

void FileSet::commit()
{
    try {
        for (const Pending &pending : m_pending) {
            const QFileInfo target(pending.target);
            // A folder in the way cannot be replaced, and a file the player
            // made read-only is not to be.
            if (target.exists() && (!target.isFile() || !target.isWritable()))
                throw RuntimeError(errors::PathFileAccess, QStringLiteral("Path/File access error"));
        }
        while (!m_pending.empty()) {
            const Pending &next = m_pending.front();
            // rename() replaces the target in one step, where QFile::rename
            // would refuse an existing one.
            if (std::rename(QFile::encodeName(next.temporary).constData(), QFile::encodeName(next.target).constData()) != 0)
                throw RuntimeError(errors::PathFileAccess, QStringLiteral("Path/File access error"));
            m_pending.erase(m_pending.begin());
        }
    } catch (const RuntimeError &) {
        discard();
        throw;
    }
}

} // namespace platform

// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QSet>
#include <QString>
#include <QStringList>

#include <functional>

namespace storage {

// The steps of replacing a set of files, in the order a save takes them.
enum class SaveStep {
    Write,       // a new file's contents
    Permissions, // a new file given the old one's permission bits; refused,
                 // the file keeps what the disk gives it, as on a disk that
                 // keeps no such bits (FAT through FUSE)
    Sync,        // a new file flushed to the disk
    Link,        // an old file's second name; refused, the file is copied
                 // instead, as on a disk without hard links
    Record,      // the commit record, written, flushed and put in place
    Rename,      // a new file renamed over its target
    FolderSync,  // the folder flushed after the renames
};

// Says whether a step of a save is refused, as a full disk, a read-only
// folder or a failing rename would refuse it; `path` is the file the step is
// about. Tests use it: the program runs as root in CI, where permission bits
// stop nothing. A test may also end the process at a step, as a kill would.
using WriteFault = std::function<bool(SaveStep step, const QString &path)>;

// Replaces several files of one folder as one, so that neither a failure nor
// a kill or power cut at any instant leaves some of them new and the others
// old:
//  1. each new file is written in full beside its target (".name.dat.new",
//     created afresh, never through a link) and flushed; stale ones of a
//     killed save are removed first;
//  2. each old file gets a second name (".name.dat.old") to undo with, or
//     where the disk has no hard links (FAT, exFAT, some network shares) a
//     copy, written in full and flushed;
//  3. a commit record naming the set is written, flushed and renamed to
//     ".commit", and the folder flushed: from here on the set is committed;
//  4. the new files are renamed over their targets, the folder flushed, and
//     the record and second names removed.
// A kill before the record leaves only hidden leftovers, which the old table
// does not see; a kill after it leaves a record that FolderLock finishes
// before anyone reads. A rename that fails puts every old file back.
// A target that is a symbolic link stays one: the file it names is replaced,
// its new file and second name beside it, in whatever folder it lies, while
// the record stays in this folder and names the link. Each folder a link
// leads to is flushed with this one; a link changed between a kill and the
// finishing of its save is followed where it then leads.
// The caller holds the folder's FolderLock, exclusive.
class FileSet
{
public:
    explicit FileSet(const QString &folder, WriteFault fault = {});
    ~FileSet();
    FileSet(const FileSet &) = delete;
    FileSet &operator=(const FileSet &) = delete;

    // Writes `bytes` to a new file beside `path`, a file of the folder, and
    // flushes it to the disk. Raises RuntimeError when it cannot.
    void write(const QString &path, const QByteArray &bytes);

    // Checks that every target is absent or a plain file the player has not
    // made read-only, then commits the set as above. Raises RuntimeError when
    // the set could not be put in place; the old files are then all there.
    void commit();

private:
    bool refused(SaveStep step, const QString &path) const;
    // The steps of commit(), each named for the steps it takes. Each raises
    // RuntimeError when its step fails with the old files all in place.
    // Link: checks every target and gives each old file its second name;
    // returns the record that names the set.
    QByteArray keepOldFiles();
    // Record: from here on the set is committed.
    void writeRecord(const QByteArray &record);
    // Rename: false when a rename failed and the set could not be turned
    // back, so that it stays committed for the next lock to finish.
    bool renameIntoPlace();
    // FolderSync, then the record and second names removed.
    void syncAndClean();
    // The folders other than this one that links lead to.
    QSet<QString> foldersElsewhere() const;
    // Puts the old files back; false when the set could not be turned back
    // and stays committed.
    bool undo();

    QString m_folder;
    WriteFault m_fault;
    QStringList m_names;   // the targets' file names, in the order written
    QStringList m_targets; // the files they are, their links followed
    bool m_recorded = false;
};

// Whether a save of `folder` was cut short after its commit record.
bool saveUnfinished(const QString &folder);
// Finishes such a save: a committed set is renamed into place, one being
// undone is put back, and anything else of it removed. Returns whether the
// folder holds one whole set again. The caller holds the exclusive lock.
bool finishSave(const QString &folder);

} // namespace storage

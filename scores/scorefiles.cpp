// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "scorefiles.h"

#include "platform/richtextbox.h"
#include "platform/runtimeerror.h"

#include <QStandardPaths>

namespace scores {

QString defaultFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
        + QStringLiteral("/quillway/data");
}

QString scoreFilePath(const QString &folder, int rank)
{
    return folder + QStringLiteral("/score%1.dat").arg(rank);
}

QString nameFilePath(const QString &folder, int rank)
{
    return folder + QStringLiteral("/name%1.dat").arg(rank);
}

bool loadTable(HighScoreTable &table, const TableBoxes &boxes, const QString &folder)
{
    Entries loaded;
    try {
        // Every file is loaded before any text is read, so that a file missing
        // half-way never leaves a table mixed from old and new entries.
        for (int rank = 1; rank <= tableSize; ++rank)
            boxes.scores[std::size_t(rank - 1)]->LoadFile(scoreFilePath(folder, rank));
        for (int rank = 1; rank <= tableSize; ++rank)
            boxes.names[std::size_t(rank - 1)]->LoadFile(nameFilePath(folder, rank));

        // A damaged score file fails the whole load, for the same reason: all
        // five are checked before anything changes.
        for (std::size_t k = 0; k < loaded.size(); ++k) {
            const std::optional<Slot> score = parseScore(boxes.scores[k]->Text());
            if (!score)
                return false;
            loaded[k].score = *score;
            loaded[k].name = boxes.names[k]->Text();
        }
    } catch (const platform::RuntimeError &) {
        return false;
    }
    table.replaceAll(loaded);
    return true;
}

bool saveTable(const HighScoreTable &table, const TableBoxes &boxes, const QString &folder,
               const platform::WriteFault &fault)
{
    try {
        for (std::size_t k = 0; k < std::size_t(tableSize); ++k) {
            boxes.scores[k]->setText(scoreText(table.entries()[k].score));
            boxes.names[k]->setText(table.entries()[k].name);
        }
        platform::FileSet files(fault);
        for (int rank = 1; rank <= tableSize; ++rank)
            boxes.scores[std::size_t(rank - 1)]->SaveFile(scoreFilePath(folder, rank), files);
        for (int rank = 1; rank <= tableSize; ++rank)
            boxes.names[std::size_t(rank - 1)]->SaveFile(nameFilePath(folder, rank), files);
        files.commit();
    } catch (const platform::RuntimeError &) {
        return false;
    }
    return true;
}

} // namespace scores

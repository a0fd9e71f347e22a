// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

namespace storage {

// The run-time error of the files and of the window layer above them
// (platform::RuntimeError is this one). A handler that expects a failure catches it and
// goes on from its own recovery point; one that escapes a handler ends the
// program with an error box (see App::dispatch).
class RuntimeError : public std::runtime_error
{
public:
    RuntimeError(int number, const QString &description)
        : std::runtime_error(description.toStdString())
        , m_number(number)
        , m_description(description)
    {
    }

    int number() const { return m_number; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_description;
};

// Error numbers, as the classic desktop runtime numbers them.
namespace errors {
constexpr int FileNotFound = 53;
constexpr int PermissionDenied = 70;
constexpr int PathFileAccess = 75;
constexpr int PathNotFound = 76;
constexpr int InvalidFileFormat = 321;
constexpr int InvalidPropertyValue = 380;
} // namespace errors

} // namespace storage

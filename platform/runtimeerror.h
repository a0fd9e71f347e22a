// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "storage/runtimeerror.h"

namespace platform {

// The layer raises the same run-time error as the files below it, so one
// handler (App::dispatch) catches both.
using storage::RuntimeError;
namespace errors = storage::errors;

} // namespace platform

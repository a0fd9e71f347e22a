#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Start-up of the game against a minimal Qt Widgets window, in a private X
# server with a window manager: RUNS runs of each, interleaved.
# Usage: bench/startup.sh [build folder] [runs] (defaults: build, 31)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-31}
source "$(dirname "$0")/../tests/e2e/lib/xsession.sh"
mkdir -p "$XDG_DATA_HOME/quillway/data"
"$build/bench_startup" "$runs" "Quillway - Main Menu" "$build/quillway" Minimal "$build/bench_minimal_window"

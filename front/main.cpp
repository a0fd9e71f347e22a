// SPDX-FileCopyrightText: 2026 Quillway developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "front/program.h"

int main(int argc, char **argv)
{
    return front::run(argc > 0 ? argv[0] : nullptr);
}

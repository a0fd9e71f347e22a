# SPDX-FileCopyrightText: 2026 Quillway developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by `cmake --install` and CPack: installs the desktop file
# ${quillway_entry} into ${quillway_entry_dir} with its Exec naming the
# launcher in ${quillway_launcher_dir} by its full path on the final system
# (the prefix without DESTDIR), so the menu entry works whatever the prefix.
set(launcher "${CMAKE_INSTALL_PREFIX}/${quillway_launcher_dir}/quillway-launcher")
# A path with characters the Exec key reserves is quoted and escaped.
if(NOT launcher MATCHES "^[A-Za-z0-9/._+-]+$")
    string(REGEX REPLACE "([\\\"`$])" "\\\\\\1" launcher "${launcher}")
    string(REPLACE "\\" "\\\\" launcher "${launcher}")
    string(REPLACE "%" "%%" launcher "${launcher}")
    set(launcher "\"${launcher}\"")
endif()
file(READ "${quillway_entry}" entry)
string(REGEX MATCH "\nExec=[^\n]*" exec "${entry}")
string(REPLACE "${exec}" "\nExec=${launcher}" entry "${entry}")
get_filename_component(name "${quillway_entry}" NAME)
set(target "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${quillway_entry_dir}/${name}")
message(STATUS "Installing: ${target}")
file(WRITE "${target}" "${entry}")
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${target}")

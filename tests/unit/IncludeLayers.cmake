# SPDX-License-Identifier: MIT
# The include arrows run one way: every quoted include names its folder from
# the root, and no folder includes one above it.
#   cmake -DSOURCE_DIR=<root> -P IncludeLayers.cmake
#
# Each rule: a folder, then the folders its files may include from (itself
# always). Folders not named here (tests, bench, tools) may include anything.
set(_rules
    "common/core|common/KelvoCommonExport.h"
    "common|common/core"
    "common/hook|common/core|common/KelvoCommon"
    "common/system|common/core|common/KelvoCommon"
    "common/controls|common/core|common/KelvoCommon"
    "common/platform|common/core|common/hook|common/system|common/KelvoCommon"
    "app|common/|res/"
    "res|res/"
    "menu|app/|common/|res/|dialogs/"
    "dialogs|app/|common/|res/"
    "control|app/|common/|res/|menu/|dialogs/"
    "launcher|app/|common/|res/|menu/|dialogs/|control/")
# Backends are named only by the platform's factory and by each other.
set(_backends x11 wayland gio sdl posix qt fake)

file(GLOB_RECURSE _files RELATIVE ${SOURCE_DIR}
    ${SOURCE_DIR}/app/* ${SOURCE_DIR}/common/* ${SOURCE_DIR}/control/* ${SOURCE_DIR}/dialogs/*
    ${SOURCE_DIR}/launcher/* ${SOURCE_DIR}/menu/* ${SOURCE_DIR}/res/* ${SOURCE_DIR}/tools/*)
list(FILTER _files INCLUDE REGEX "\\.(cpp|h|c)$")

set(_faults)
foreach(_file IN LISTS _files)
    file(STRINGS ${SOURCE_DIR}/${_file} _lines REGEX "^#include \"")
    # The common/ files directly in common/ are its base: below every folder.
    string(REGEX MATCH "^common/[^/]+/" _folder "${_file}")
    if(NOT _folder)
        string(REGEX MATCH "^[^/]+/" _folder "${_file}")
    endif()
    string(REGEX REPLACE "/$" "" _folder "${_folder}")
    set(_allowed)
    foreach(_rule IN LISTS _rules)
        string(REPLACE "|" ";" _parts "${_rule}")
        list(POP_FRONT _parts _ruleFolder)
        if(_ruleFolder STREQUAL _folder)
            # The files directly in common/ are its base.
            if(_folder STREQUAL "common")
                set(_allowed ${_parts} common/KelvoCommon)
            else()
                set(_allowed ${_parts} ${_folder}/)
            endif()
        endif()
    endforeach()
    foreach(_line IN LISTS _lines)
        string(REGEX REPLACE "^#include \"([^\"]+)\".*" "\\1" _include "${_line}")
        if(NOT _include MATCHES "/")
            # Generated beside the file (Wayland protocol glue, moc output).
            if(_include MATCHES "(-protocol\\.h|\\.moc)$")
                continue()
            endif()
            list(APPEND _faults "${_file}: \"${_include}\" names no folder")
            continue()
        endif()
        if(NOT EXISTS ${SOURCE_DIR}/${_include} AND NOT _include STREQUAL "app/VendraskVersion.h")
            list(APPEND _faults "${_file}: \"${_include}\" is no file of the tree")
        endif()
        foreach(_backend IN LISTS _backends)
            if(_include MATCHES "^common/platform/${_backend}/" AND NOT _file MATCHES "^common/platform/")
                list(APPEND _faults "${_file}: names the ${_backend} backend")
            endif()
        endforeach()
        if(_allowed)
            set(_ok FALSE)
            foreach(_prefix IN LISTS _allowed)
                string(FIND "${_include}" "${_prefix}" _at)
                if(_at EQUAL 0)
                    set(_ok TRUE)
                endif()
            endforeach()
            if(NOT _ok)
                list(APPEND _faults "${_file}: ${_folder} may not include \"${_include}\"")
            endif()
        endif()
    endforeach()
    # The core is Qt-free: the command-line client links it without Qt.
    if(_folder STREQUAL "common/core")
        file(STRINGS ${SOURCE_DIR}/${_file} _qt REGEX "^#include <Q")
        if(_qt)
            list(APPEND _faults "${_file}: the core includes Qt")
        endif()
    endif()
endforeach()

list(LENGTH _files _count)
if(_faults)
    list(JOIN _faults "\n  " _text)
    message(FATAL_ERROR "include arrows that run the wrong way:\n  ${_text}")
endif()
message(STATUS "${_count} files: every include names its folder and runs downwards")

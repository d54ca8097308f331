# SPDX-License-Identifier: MIT
# Installs the build into a fresh prefix, as a packager would, and checks
# that the tree holds the launcher and its library but nothing of the tests:
# no static archive, no fake inside libKelvoCommon.
#   cmake -DBUILD_DIR=... -DPREFIX=... -P InstalledTree.cmake
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}"
    RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

if(NOT EXISTS "${PREFIX}/bin/vendrask")
    message(FATAL_ERROR "the launcher is not installed")
endif()
file(GLOB_RECURSE archives "${PREFIX}/*.a")
if(archives)
    message(FATAL_ERROR "static archives installed: ${archives}")
endif()
file(GLOB_RECURSE libraries "${PREFIX}/libKelvoCommon.so*")
if(NOT libraries)
    message(FATAL_ERROR "libKelvoCommon is not installed")
endif()
foreach(library IN LISTS libraries)
    if(IS_SYMLINK "${library}")
        continue()
    endif()
    # Every symbol the library defines, hidden ones too.
    execute_process(COMMAND nm --defined-only --demangle "${library}"
        OUTPUT_VARIABLE symbols RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "nm failed on ${library}")
    endif()
    string(REGEX MATCHALL "[^\n]*[Ff]ake[^\n]*" fakes "${symbols}")
    if(fakes)
        message(FATAL_ERROR "${library} holds test fakes:\n${fakes}")
    endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")

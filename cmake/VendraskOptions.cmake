# SPDX-License-Identifier: MIT
# One INTERFACE target carries the language level, warnings, Qt safety
# defines and sanitizer flags for every target of the project.
include_guard(GLOBAL)

set(CMAKE_CXX_EXTENSIONS OFF)

option(VENDRASK_WERROR "Treat warnings as errors" OFF)
set(VENDRASK_SANITIZE "" CACHE STRING "Sanitizer build: empty, 'address' (ASan+UBSan) or 'thread'")
set_property(CACHE VENDRASK_SANITIZE PROPERTY STRINGS "" address thread)

# The warnings alone, for the plain C helpers of the benchmarks.
add_library(vendrask_warnings INTERFACE)
add_library(Vendrask::warnings ALIAS vendrask_warnings)
target_compile_options(vendrask_warnings INTERFACE -Wall -Wextra -Wpedantic)
if(VENDRASK_WERROR)
    target_compile_options(vendrask_warnings INTERFACE -Werror)
endif()

add_library(vendrask_options INTERFACE)
add_library(Vendrask::options ALIAS vendrask_options)

target_compile_features(vendrask_options INTERFACE cxx_std_20)
# One include root: an include names its folder (control/VendraskControlSocket.h);
# generated headers lie at the same place under the build folder. Libraries
# carry it to their users, so a header of theirs is found from anywhere.
add_library(vendrask_include_root INTERFACE)
add_library(Vendrask::includes ALIAS vendrask_include_root)
target_include_directories(vendrask_include_root INTERFACE ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})

target_link_libraries(vendrask_options INTERFACE vendrask_warnings vendrask_include_root)

target_compile_definitions(vendrask_options INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_FOREACH
    QT_STRICT_ITERATORS
    QT_DISABLE_DEPRECATED_BEFORE=0x060400
    QT_WARN_DEPRECATED_UP_TO=0x060400)

if(VENDRASK_SANITIZE STREQUAL "address")
    set(_san -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
elseif(VENDRASK_SANITIZE STREQUAL "thread")
    set(_san -fsanitize=thread -fno-omit-frame-pointer)
elseif(NOT VENDRASK_SANITIZE STREQUAL "")
    message(FATAL_ERROR "VENDRASK_SANITIZE must be empty, 'address' or 'thread'")
endif()
if(_san)
    target_compile_options(vendrask_options INTERFACE ${_san})
    target_link_options(vendrask_options INTERFACE ${_san})
endif()

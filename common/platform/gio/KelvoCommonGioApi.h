// SPDX-License-Identifier: MIT
#pragma once

// clang-format off
// Qt's "signals" keyword would rename a member of GIO's structures.
#undef signals
#include <gio/gdesktopappinfo.h>
#include <gio/gio.h>
// clang-format on

// GIO (and GObject under it) is opened when the shell or the icon probe
// first needs it, not at start: with what it brings (libmount, libblkid,
// SELinux, PCRE) it is over a megabyte a launcher that is only called up
// keeps mapped. GLib itself is Qt's event loop and is linked as usual.
#define KELVO_GIO_FUNCTIONS(X)                                                                     \
    X(app_info_get_default_for_uri_scheme)                                                         \
    X(app_info_get_id)                                                                             \
    X(app_info_launch_uris)                                                                        \
    X(app_launch_context_new)                                                                      \
    X(app_launch_context_unsetenv)                                                                 \
    X(dbus_connection_call_sync)                                                                   \
    X(dbus_connection_close_sync)                                                                  \
    X(dbus_connection_is_closed)                                                                   \
    X(dbus_connection_new_for_address_sync)                                                        \
    X(dbus_connection_set_exit_on_close)                                                           \
    X(desktop_app_info_get_string)                                                                 \
    X(desktop_app_info_get_type)                                                                   \
    X(desktop_app_info_launch_uris_as_manager)                                                     \
    X(desktop_app_info_new_from_filename)                                                          \
    X(file_get_uri)                                                                                \
    X(file_new_for_commandline_arg_and_cwd)                                                        \
    X(file_new_for_path)                                                                           \
    X(file_new_for_uri)                                                                            \
    X(file_query_default_handler)                                                                  \
    X(object_unref)                                                                                \
    X(type_check_instance_is_a)                                                                    \
    X(vfs_get_default)                                                                             \
    X(vfs_get_supported_uri_schemes)

struct KelvoGioApi {
#define KELVO_GIO_MEMBER(name) decltype(&g_##name) name = nullptr;
    KELVO_GIO_FUNCTIONS(KELVO_GIO_MEMBER)
#undef KELVO_GIO_MEMBER
};

// The loaded library's functions; loaded on the first call. GIO is a
// dependency of every install, so a failure to load it ends the program
// as a missing library at start used to.
const KelvoGioApi& KelvoGio();

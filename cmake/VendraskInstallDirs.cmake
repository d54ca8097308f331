# SPDX-License-Identifier: MIT
# Where an installation puts the launcher's files, relative to its prefix,
# and the run path that lets the programs find their private libraries
# wherever the tree lands (a system prefix, /opt, a portable folder).
include_guard(GLOBAL)
include(GNUInstallDirs)

# The libraries are the launcher's own, not for other programs: a private
# folder under the multiarch library folder, whatever the prefix.
if(CMAKE_LIBRARY_ARCHITECTURE)
    set(VENDRASK_INSTALL_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE}/vendrask)
else()
    set(VENDRASK_INSTALL_LIBDIR ${CMAKE_INSTALL_LIBDIR}/vendrask)
endif()
set(VENDRASK_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/vendrask)
set(VENDRASK_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/vendrask)

# The same folders seen from the programs' folder, for run paths and for
# the launcher's own look-ups.
file(RELATIVE_PATH VENDRASK_LIBDIR_FROM_BINDIR
    /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${VENDRASK_INSTALL_LIBDIR})
file(RELATIVE_PATH VENDRASK_DATADIR_FROM_BINDIR
    /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${VENDRASK_INSTALL_DATADIR})
file(RELATIVE_PATH VENDRASK_DOCDIR_FROM_BINDIR
    /prefix/${CMAKE_INSTALL_BINDIR} /prefix/${VENDRASK_INSTALL_DOCDIR})

# The private folder of an installed tree first; the program's own folder
# next, for the portable folder, where the libraries lie beside it.
set(CMAKE_INSTALL_RPATH "$ORIGIN/${VENDRASK_LIBDIR_FROM_BINDIR};$ORIGIN")

# Folders an installation creates are readable by everybody, whatever the
# packager's umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE
    GROUP_READ GROUP_EXECUTE
    WORLD_READ WORLD_EXECUTE)

# SPDX-License-Identifier: GPL-3.0-or-later
# What an install holds beyond the programs, the desktop entry and the icons: the manual pages,
# the copyright file and the Debian changelog, and the Debian package built from an install with
# `cpack -G DEB`, in the shape lintian accepts.
include(GNUInstallDirs)

# Manual pages and the changelog install compressed as Debian wants them: gzip -9n, without a
# name or time stamp in the header, so the same sources give the same package.
set(kr_man_pages docs/man/korvath-query.1 docs/man/korvath-sim.1)
if(KR_WITH_QT)
  list(APPEND kr_man_pages docs/man/korvath-browser.1)
endif()
configure_file(packaging/debian/changelog.in ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.Debian
               @ONLY)
set(kr_compressed)
foreach(source ${kr_man_pages} ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.Debian)
  get_filename_component(name ${source} NAME)
  get_filename_component(source ${source} ABSOLUTE)
  set(compressed ${CMAKE_CURRENT_BINARY_DIR}/packaging/${name}.gz)
  add_custom_command(OUTPUT ${compressed} COMMAND gzip -9nc ${source} > ${compressed}
                     DEPENDS ${source} VERBATIM)
  list(APPEND kr_compressed ${compressed})
endforeach()
add_custom_target(kr_compressed_docs ALL DEPENDS ${kr_compressed})
list(FILTER kr_compressed INCLUDE REGEX "\\.1\\.gz$")
install(FILES ${kr_compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The licence: its full text beside the sources (COPYING), and Debian's machine-readable copyright
# file where Debian looks for a package's licence, beside the package's changelog.
install(FILES packaging/debian/copyright
              ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/korvath-browser)

set(CPACK_PACKAGE_NAME korvath-browser)
set(CPACK_PACKAGE_VENDOR "Korvath Servers Browser developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Find running Korvath game servers, grouped by version and game type")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The first Debian revision of the project's version, as the changelog says.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "Korvath Servers Browser developers <maintainers@korvath.example>")
# The package's long description, below the summary line, in lines Debian's tools show whole.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "The browser downloads the list of running game servers from\n\
the master server, asks every server for its state, measures each ping and\n\
shows the servers in a tree ordered by ping. korvath-query makes the same\n\
refresh without a window; korvath-sim plays a master server and a fleet of\n\
game servers on 127.0.0.1 for trying both out.")
# "net": the package holds network clients and a test server, not a game; Debian keeps "games"
# for packages with a game under /usr/games.
set(CPACK_DEBIAN_PACKAGE_SECTION net)
# The library dependencies are read from the installed programs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The programs ship stripped: cpack moves their debug symbols to a korvath-browser-dbgsym .ddeb
# beside the .deb, found by the programs' build ids (CPACK_STRIP_FILES would drop them instead).
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
# QtKeychain loads the secret-service library at run time, where a desktop has a secret store;
# without it no password is remembered.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libsecret-1-0")
include(CPack)

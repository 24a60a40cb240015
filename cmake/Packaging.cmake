# What an install holds beyond the programs, the desktop entry and the icons: the manual pages,
# the copyright file, and the Debian package built from an install with `cpack -G DEB`.
include(GNUInstallDirs)

install(FILES docs/man/korvath-query.1 docs/man/korvath-sim.1
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(KR_WITH_QT)
  install(FILES docs/man/korvath-browser.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# The licence: its full text beside the sources (COPYING), and Debian's machine-readable copyright
# file where Debian looks for a package's licence.
install(FILES packaging/debian/copyright DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/korvath-browser)

set(CPACK_PACKAGE_NAME korvath-browser)
set(CPACK_PACKAGE_VENDOR "Korvath Servers Browser developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Find running Korvath game servers, grouped by version and game type")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER
    "Korvath Servers Browser developers <maintainers@korvath.example>")
# The package's long description, below the summary line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "The browser downloads the list of running game servers from \
the master server, asks every server for its state, measures each ping and shows the servers in a \
tree ordered by ping. korvath-query makes the same refresh without a window; korvath-sim plays a \
master server and a fleet of game servers on 127.0.0.1 for trying both out.")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The library dependencies are read from the installed programs.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# QtKeychain loads the secret-service library at run time, where a desktop has a secret store;
# without it no password is remembered.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libsecret-1-0")
include(CPack)

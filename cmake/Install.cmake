# Installing Varnel on Linux, and its Debian package.
#
#   cmake --install build --prefix DIR     programs in DIR/bin, data in DIR/share/varnel, and the
#                                          desktop entry, MIME type and icon in their standard places
#   cd build && cpack -G DEB               varnel_<version>_<arch>.deb for `apt install ./varnel_*.deb`
#
# The program finds its data beside itself (the build tree, a copied folder) or in
# <prefix>/share/varnel beside <prefix>/bin, so these two folder names are fixed here.

# The icon is also compiled into the program: a stand-alone copy made from it shows it and
# registers it without any data folder.
qt_add_resources(varnel_core varnel_icon
  PREFIX /varnel
  BASE ${PROJECT_SOURCE_DIR}/data/linux
  FILES ${PROJECT_SOURCE_DIR}/data/linux/varnel.svg)

set(VARNEL_LINUX_DATA ${PROJECT_SOURCE_DIR}/data/linux)

if(TARGET varnel)
  install(TARGETS varnel RUNTIME DESTINATION bin)
endif()
install(TARGETS varnel-run RUNTIME DESTINATION bin)
install(FILES ${PROJECT_SOURCE_DIR}/data/NEW_TEMPLATE.vnp DESTINATION share/varnel)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Examples DESTINATION share/varnel)
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Exercises DESTINATION share/varnel)
install(DIRECTORY ${CMAKE_BINARY_DIR}/src/handbook DESTINATION share/varnel OPTIONAL)
include(${PROJECT_SOURCE_DIR}/cmake/Desktop.cmake)

# Installing and packaging take the programs as built; they never start a build of every
# target (the tests among them) of their own.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# The package. dpkg-shlibdeps finds the Qt libraries the programs link (Qt Svg among them, whose
# package also holds the SVG plugins); the platform plugin is loaded at run time, so it is named
# here. Debian's shared-mime-info and desktop-file-utils update their databases by their own
# triggers when the package installs; the packaging itself installs through DESTDIR, so the
# install step above leaves the databases alone.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnel)
set(CPACK_PACKAGE_VENDOR Varnel)
set(CPACK_PACKAGE_CONTACT "Varnel <destek@varnel.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "flowchart programming environment for students")
set(CPACK_PACKAGE_DESCRIPTION
  "Students write programs as flowcharts and run them block by block, with a\n\
variables window, a call stack and a console. The interface is Turkish.\n\
Includes varnel-run, which runs a chart in a terminal.")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://varnel.example.org/varnel/)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(VARNEL_RUNTIME_DEPENDS "qt6-qpa-plugins")
find_program(VARNEL_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(VARNEL_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  # Without dpkg-dev the linked libraries are named by hand.
  string(APPEND VARNEL_RUNTIME_DEPENDS
    ", libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6svg6 (>= 6.4)"
    ", libqt6printsupport6 (>= 6.4), zlib1g, libstdc++6, libc6 (>= 2.34)"
    # libgvc6 also holds the dot layout plugin that auto-layout loads at run time.
    ", libgvc6, libcgraph6")
endif()
set(CPACK_DEBIAN_PACKAGE_DEPENDS ${VARNEL_RUNTIME_DEPENDS})
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "qt6-translations-l10n, fonts-dejavu-core, shared-mime-info, desktop-file-utils")
include(CPack)

if(VARNEL_TESTS)
  set(VARNEL_INSTALLS runner-only)
  if(TARGET varnel)
    set(VARNEL_INSTALLS editor)
  endif()
  add_test(NAME install.prefix
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/install/check-install
            ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} ${VARNEL_INSTALLS})
  add_test(NAME install.deb
    COMMAND bash ${PROJECT_SOURCE_DIR}/tests/install/check-deb
            ${CMAKE_CPACK_COMMAND} ${CMAKE_BINARY_DIR} ${VARNEL_INSTALLS})
  set_tests_properties(install.prefix install.deb PROPERTIES LABELS install)
  # A long test, started early (see the codegen tests).
  set_tests_properties(install.deb PROPERTIES COST 40)
endif()

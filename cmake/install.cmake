# SPDX-License-Identifier: GPL-3.0-or-later
# Installation and the Debian package.
#
# Layout under the prefix (/usr for the package):
#   libexec/skorlin/skorlin, skorlin-cli, libfleks.so   the programs and the declension library
#   libexec/skorlin/Read_me.txt -> ../../share/skorlin/Read_me.txt
#   bin/skorlin, bin/skorlin-cli                          relative symlinks into libexec/skorlin
#   share/skorlin/Read_me.txt                             the help text
#   share/applications/skorlin.desktop, share/icons/hicolor/*/apps/skorlin.{svg,png}
#   share/metainfo/org.example.skorlin.metainfo.xml       what software centres show
#   share/man/man1/skorlin.1.gz, skorlin-cli.1.gz, share/bash-completion/completions/skorlin-cli
#   share/doc/skorlin/copyright, changelog.gz             the licences and the release history
#
# Both programs look for libfleks.so and Read_me.txt in the folder of their own file, found
# through /proc/self/exe, which names the real file behind a symlink. So the programs, the
# library and the help share one private folder, and bin/ only holds symlinks to them: the
# library is not a public one (no soname, no headers, loaded by full path) and has no
# place in the linker's search path or in bin/. libexec/ is the place for such private
# files, and keeps the library out of what ldconfig looks at.

include(GNUInstallDirs)

set(SKORLIN_INSTALL_PRIVATEDIR "${CMAKE_INSTALL_LIBEXECDIR}/skorlin")
set(SKORLIN_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/skorlin")
set(SKORLIN_INSTALL_DOCDIR "${CMAKE_INSTALL_DATADIR}/doc/skorlin")

set(skorlin_resources ${CMAKE_SOURCE_DIR}/resources)
set(skorlin_links ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${skorlin_links})

# A relative symlink at `link` (a path in the build folder) that, once installed into the
# prefix folder `from`, points at `to` in the prefix (both relative to the prefix).
function(skorlin_install_link link from to)
  if(IS_ABSOLUTE "${from}" OR IS_ABSOLUTE "${to}")
    message(FATAL_ERROR "The install folders must be relative to the prefix (${from}, ${to})")
  endif()
  file(RELATIVE_PATH target /prefix/${from} /prefix/${to})
  file(CREATE_LINK ${target} ${link} SYMBOLIC)
  install(FILES ${link} DESTINATION ${from})
endfunction()

# The programs and the library.
set(skorlin_programs skorlin-cli)
if(TARGET skorlin)
  list(APPEND skorlin_programs skorlin)
endif()
install(TARGETS ${skorlin_programs} RUNTIME DESTINATION ${SKORLIN_INSTALL_PRIVATEDIR})
if(TARGET fleks)
  install(TARGETS fleks LIBRARY DESTINATION ${SKORLIN_INSTALL_PRIVATEDIR})
endif()
foreach(program IN LISTS skorlin_programs)
  skorlin_install_link(${skorlin_links}/${program} ${CMAKE_INSTALL_BINDIR}
                       ${SKORLIN_INSTALL_PRIVATEDIR}/${program})
endforeach()

# A stripped install (cpack, cmake --install --strip) also drops the compiler's notes, which
# the plain strip keeps: the .comment section names the compiler of every object file.
set(skorlin_stripped_files ${skorlin_programs})
if(TARGET fleks)
  list(APPEND skorlin_stripped_files $<TARGET_FILE_NAME:fleks>)
endif()
list(TRANSFORM skorlin_stripped_files PREPEND "\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${SKORLIN_INSTALL_PRIVATEDIR}/")
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                            ${skorlin_stripped_files}
                    RESULT_VARIABLE skorlin_strip_result)
    if(NOT skorlin_strip_result EQUAL 0)
      message(FATAL_ERROR \"strip could not remove the .comment sections\")
    endif()
  endif()")

# The help text: shared data under share/, reachable from the program's folder.
install(FILES ${skorlin_resources}/Read_me.txt DESTINATION ${SKORLIN_INSTALL_DATADIR})
skorlin_install_link(${skorlin_links}/Read_me.txt ${SKORLIN_INSTALL_PRIVATEDIR}
                     ${SKORLIN_INSTALL_DATADIR}/Read_me.txt)

# Manual pages, compressed as Debian wants them (-n: no name or time stamp in the file).
set(skorlin_man_pages ${skorlin_resources}/skorlin-cli.1)
if(TARGET skorlin)
  list(APPEND skorlin_man_pages ${skorlin_resources}/skorlin.1)
endif()
set(skorlin_man_outputs)
foreach(page IN LISTS skorlin_man_pages)
  get_filename_component(page_name ${page} NAME)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/man/${page_name}.gz
                     COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
                     COMMAND gzip -9n -c ${page} > ${CMAKE_BINARY_DIR}/man/${page_name}.gz
                     DEPENDS ${page}
                     COMMENT "Compressing the manual page ${page_name}"
                     VERBATIM)
  list(APPEND skorlin_man_outputs ${CMAKE_BINARY_DIR}/man/${page_name}.gz)
endforeach()
add_custom_target(skorlin_man_pages ALL DEPENDS ${skorlin_man_outputs})
install(FILES ${skorlin_man_outputs} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

install(FILES ${skorlin_resources}/completion/skorlin-cli.bash
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME skorlin-cli)

# Desktop entry and icons belong to the window.
if(TARGET skorlin)
  install(FILES ${skorlin_resources}/skorlin.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${skorlin_resources}/icons/skorlin.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES ${skorlin_resources}/icons/skorlin-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME skorlin.png)
  endforeach()
  install(FILES ${skorlin_resources}/org.example.skorlin.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

# The licences (machine-readable, as Debian wants them) and the release history, whose
# latest entry must be the version being built.
file(STRINGS ${skorlin_resources}/debian/changelog skorlin_changelog_top LIMIT_COUNT 1)
if(NOT skorlin_changelog_top MATCHES "^skorlin \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "resources/debian/changelog starts with '${skorlin_changelog_top}': "
                      "add an entry for version ${PROJECT_VERSION} at its top")
endif()
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/doc/changelog.gz
                   COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/doc
                   COMMAND gzip -9n -c ${skorlin_resources}/debian/changelog > ${CMAKE_BINARY_DIR}/doc/changelog.gz
                   DEPENDS ${skorlin_resources}/debian/changelog
                   COMMENT "Compressing the changelog"
                   VERBATIM)
add_custom_target(skorlin_changelog ALL DEPENDS ${CMAKE_BINARY_DIR}/doc/changelog.gz)
install(FILES ${skorlin_resources}/debian/copyright ${CMAKE_BINARY_DIR}/doc/changelog.gz
        DESTINATION ${SKORLIN_INSTALL_DOCDIR})

# Everything the install rules take from the build, for building just that (package.sh).
add_custom_target(skorlin_install_contents)
add_dependencies(skorlin_install_contents ${skorlin_programs} skorlin_man_pages skorlin_changelog)
if(TARGET fleks)
  add_dependencies(skorlin_install_contents fleks)
endif()

# Installs into a temporary prefix and runs the installed programs there.
enable_testing()
add_test(NAME install
         COMMAND ${CMAKE_SOURCE_DIR}/tests/install/install_test.sh ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR})

# The Debian package (scripts/package.sh).
set(CPACK_PACKAGE_NAME skorlin)
set(CPACK_PACKAGE_VENDOR "Skorlin")
set(CPACK_PACKAGE_CONTACT "Skorlin <skorlin@example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://skorlin.example.org/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "clean up and convert Russian text")
set(CPACK_PACKAGE_DESCRIPTION
    "Skorlin puts Russian text in typographic order, converts it to HTML\n"
    "source, counts and prices it, and reworks it line by line: duplicates,\n"
    "sorting, shuffling, paragraphs, lists of URLs and lists of full names\n"
    "(initials, dative case, salutations). The window 'skorlin' and the\n"
    "command-line tool 'skorlin-cli' run the same commands.")
string(REPLACE ";" "" CPACK_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Dependencies: dpkg-shlibdeps reads them from the programs and the library (Qt 6,
# QScintilla, ICU, the C++ runtime, and whatever else they come to link), so Depends follows
# the build by itself; scripts/package.sh insists on it, and scripts/check-package.sh checks that every
# library the programs load comes from a package in Depends. The window also needs a Qt
# platform plugin, which libqt6gui6 only recommends.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET skorlin)
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
endif()
include(CPack)

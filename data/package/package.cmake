# The Debian package (./package.sh): the files a package needs beside the installation, and the
# CPack settings that make dist/kelvo_<version>_<arch>.deb from the install rules.

set(KELVO_PACKAGE_MAINTAINER "Kelvo developers <kelvo@example.com>" CACHE STRING
    "The package's Maintainer field: name <e-mail>")

set(package_source ${CMAKE_CURRENT_LIST_DIR})
set(package_build ${CMAKE_BINARY_DIR}/package)
set(doc_folder ${CMAKE_INSTALL_DATADIR}/doc/kelvo)

# The changelog in Debian's form, from CHANGELOG, and the manual page, both compressed the way
# Debian wants them (gzip -9n: no name, no time stamp).
add_custom_command(OUTPUT ${package_build}/changelog.gz
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${PROJECT_SOURCE_DIR}/CHANGELOG -DTARGET=${package_build}/changelog
          "-DMAINTAINER=${KELVO_PACKAGE_MAINTAINER}" -P ${package_source}/debian_changelog.cmake
  COMMAND gzip -9nf ${package_build}/changelog
  DEPENDS ${PROJECT_SOURCE_DIR}/CHANGELOG ${package_source}/debian_changelog.cmake
  COMMENT "Writing the Debian changelog"
  VERBATIM)
set(KELVO_MANUAL_DATE "December 2026")
configure_file(${package_source}/kelvo.1.in ${package_build}/kelvo.1 @ONLY)
add_custom_command(OUTPUT ${package_build}/kelvo.1.gz
  COMMAND gzip -9nc ${package_build}/kelvo.1 > ${package_build}/kelvo.1.gz
  DEPENDS ${package_build}/kelvo.1
  COMMENT "Compressing the manual page"
  VERBATIM)
add_custom_target(kelvo_package_files ALL DEPENDS ${package_build}/changelog.gz ${package_build}/kelvo.1.gz)

# Everything the package holds that the build makes, and nothing else: ./package.sh builds this
# target only (no tests, tools or fuzz targets). A new install rule for a built file adds its
# target here, or packing stops at the missing file.
add_custom_target(kelvo_package_contents)
add_dependencies(kelvo_package_contents kelvo kelvo-wsh kelvo-tape-print kelvo-speech kelvo-net kelvo_icon_files kelvo_package_files)

install(FILES ${package_build}/kelvo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${package_source}/copyright ${package_build}/changelog.gz DESTINATION ${doc_folder})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelvo)
set(CPACK_PACKAGE_VENDOR "Kelvo developers")
# The version the about box shows and the update check compares.
set(CPACK_PACKAGE_VERSION ${KELVO_APP_VERSION})
set(CPACK_PACKAGE_CONTACT ${KELVO_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${KELVO_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${KELVO_HOME_PAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "business calculator with exact decimal arithmetic")
# The extended description; CPack puts the summary before it and indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Kelvo is a desktop calculator in the style of a Japanese office calculator:
one small skinned window with a liquid-crystal display and 32 keys. Every
figure is computed exactly on decimal digits, never in binary floating point.
.
It has round and decimal selectors, memory, grand total, tax-included and
tax-excluded keys with a settable rate, two percent conventions, answer check,
a check tape of every entry, an enlarged display, a formula calculator, keys
assignable to any keyboard key, and skins to change its face.")
# dpkg-shlibdeps adds the libraries the programs link to the Depends below.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The menus, keys and messages are Japanese: without a Japanese font every one is an empty box,
# so one of these is a dependency, not a recommendation (systems may leave recommendations out).
set(kelvo_package_depends "fonts-ipafont-gothic | fonts-noto-cjk | fonts-vlgothic")
# Worth having, not needed to calculate. One entry a line:
set(kelvo_package_recommends
  qt6-translations-l10n   # Qt's own texts (standard buttons, file dialogs) in Japanese
  # The read-aloud speaks through Qt's speech-dispatcher plugin, in espeak-ng's Japanese voice.
  qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng
)
list(JOIN kelvo_package_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
list(JOIN kelvo_package_recommends ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# Installed with DESTDIR under the real prefix, so that the menu entry names /usr/bin/kelvo.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
include(CPack)

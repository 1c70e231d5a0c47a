# What `cmake --install` puts where, and the Debian package CPack makes of it
# (`bash scripts/package.sh`). Included from the top-level CMakeLists.txt after app/qt/.
include(GNUInstallDirs)

# The name desktops know the program by: its desktop entry, metadata and icon files.
set(ROPECALC_APP_ID io.github.ropecalc.Ropecalc)
set(ROPECALC_MAINTAINER "ropecalc maintainers <maintainers@users.noreply.c-seed-9732e132.example>"
  CACHE STRING "Maintainer named in the Debian package")
set(qt_dir ${PROJECT_SOURCE_DIR}/app/qt)
set(icon_dir ${PROJECT_SOURCE_DIR}/app/icons)

# Packages want every directory world-readable whatever the umask of whoever builds them.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS ropecalc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${qt_dir}/desktop/${ROPECALC_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${qt_dir}/desktop/${ROPECALC_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${icon_dir}/ropecalc.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps RENAME ${ROPECALC_APP_ID}.svg)
foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${icon_dir}/ropecalc-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${ROPECALC_APP_ID}.png)
endforeach()

# The changelog, the metadata's release list and the manual page name the version; a new
# version without their entries would be described as an old one.
foreach(versioned "package/changelog:ropecalc (${PROJECT_VERSION})"
    "package/ropecalc.1:\"ropecalc ${PROJECT_VERSION}\""
    "desktop/${ROPECALC_APP_ID}.metainfo.xml:<release version=\"${PROJECT_VERSION}\"")
  string(REGEX MATCH "^[^:]+" file ${versioned})
  string(REGEX REPLACE "^[^:]+:" "" entry ${versioned})
  file(READ ${qt_dir}/${file} content)
  string(FIND "${content}" "${entry}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "app/qt/${file} has no entry for version ${PROJECT_VERSION}: ${entry}")
  endif()
endforeach()

# Debian keeps a package's copyright and its compressed changelog in its doc folder, and
# compressed manual pages.
set(compressed_docs)
foreach(doc changelog ropecalc.1)
  set(gz ${CMAKE_CURRENT_BINARY_DIR}/${doc}.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/${doc} > ${gz}
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${doc})
  list(APPEND compressed_docs ${gz})
endforeach()
add_custom_target(compressed_docs ALL DEPENDS ${compressed_docs})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DOCDIR})
# The guide as written, readable without the program; the program shows the same text on F1.
install(FILES ${PROJECT_SOURCE_DIR}/docs/guide.md DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/ropecalc.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ropecalc)
set(CPACK_PACKAGE_VENDOR "ropecalc maintainers")
set(CPACK_PACKAGE_CONTACT "${ROPECALC_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# CPack indents the lines after the first itself.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "steel wire rope safety-factor calculator
钢丝绳安全系数计算器: pick a rope class, a strength grade and a diameter from
built-in rope tables, enter the force on the rope and its purpose (lashing,
ground anchor, guy line, headframe or mine-shaft hoisting, shaft suspension),
and read the actual safety factor, or a red warning to choose another rope.
Traditional method with kg/mm2 grades and standard method with kN/mm2 grades,
fibre or steel core and mine-construction coefficients.")

# The Qt libraries come from the program's own links. The window also needs the platform
# plugin that draws on an X11 desktop, which Debian packages apart from them in some
# releases, and a font with Simplified Chinese characters.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(ropecalc_depends fonts-noto-cjk)
find_program(DPKG_QUERY dpkg-query)
if(DPKG_QUERY)
  execute_process(COMMAND ${DPKG_QUERY} -S "*/qt6/plugins/platforms/libqxcb.so"
    OUTPUT_VARIABLE xcb_owner ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  string(REGEX MATCH "^[^:,]+" xcb_package "${xcb_owner}")
  if(xcb_package AND NOT xcb_package MATCHES "^libqt6(core|gui|widgets)6$")
    list(PREPEND ropecalc_depends ${xcb_package})
  endif()
endif()
list(JOIN ropecalc_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)

include(CPack)

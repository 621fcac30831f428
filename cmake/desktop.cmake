# What an installed Velkor brings to the desktop besides the program and its pages: the menu entry, the icon
# at every size, the software centre's metadata, the manual page and the package's own documents.
set(VELKOR_HOMEPAGE "https://velkor.invalid" CACHE STRING "Project home; the screenshots are under /screenshots")
set(VELKOR_MAINTAINER_EMAIL "velkor@velkor.invalid" CACHE STRING "Address of the package's maintainer")

set(res ${PROJECT_SOURCE_DIR}/resources)
set(gen ${CMAKE_BINARY_DIR}/desktop)

install(FILES ${res}/${VELKOR_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

foreach(size 16 22 24 32 48 64 128 256)
  install(FILES ${res}/icons/velkor-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME velkor.png)
endforeach()
install(FILES ${res}/icons/velkor.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

configure_file(${res}/${VELKOR_APP_ID}.metainfo.xml.in ${gen}/${VELKOR_APP_ID}.metainfo.xml @ONLY)
install(FILES ${gen}/${VELKOR_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# Debian wants the manual page and the changelog compressed, reproducibly (no name or time in the header).
find_program(GZIP_PROGRAM gzip REQUIRED)
configure_file(${res}/velkor.1.in ${gen}/velkor.1 @ONLY)
configure_file(${res}/debian/changelog.in ${gen}/changelog @ONLY)
configure_file(${res}/debian/copyright ${gen}/copyright @ONLY)
foreach(doc velkor.1 changelog)
  add_custom_command(OUTPUT ${gen}/${doc}.gz
    COMMAND ${GZIP_PROGRAM} -9nc ${gen}/${doc} > ${gen}/${doc}.gz
    DEPENDS ${gen}/${doc})
endforeach()
add_custom_target(velkor_docs ALL DEPENDS ${gen}/velkor.1.gz ${gen}/changelog.gz)
install(FILES ${gen}/velkor.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${gen}/copyright ${gen}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/velkor)

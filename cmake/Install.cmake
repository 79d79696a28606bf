# Installation: `cmake --install` and the Debian package (Package.cmake).
#
#   bin/sorvat                 launcher script (data/launcher/sorvat.in)
#   bin/sorvat-cli
#   lib/sorvat/sorvat          the windowed program, with SorvatHelp.chm and the
#                              same help as HTML pages (SorvatHelp/) beside it
#   share/sorvat/_Template.xls the default spreadsheet template
#   share/applications, share/metainfo, share/mime/packages, share/icons/hicolor
#   share/man/man1             sorvat.1, sorvat-cli.1
#   share/doc/sorvat/samples   sample puzzles
include(GNUInstallDirs)

set(SORVAT_APP_ID "org.sorvat.Sorvat")
set(SORVAT_INSTALL_PRIVATEDIR "lib/sorvat" CACHE STRING
  "Directory (relative to the prefix) of the windowed program and its help file")
set(SORVAT_INSTALL_DATADIR "${CMAKE_INSTALL_DATADIR}/sorvat")
set(SORVAT_INSTALL_DOCDIR "${CMAKE_INSTALL_DATADIR}/doc/sorvat")

include(${CMAKE_CURRENT_LIST_DIR}/Help.cmake)

set(desktop_dir "${PROJECT_SOURCE_DIR}/data/desktop")

if(TARGET sorvat)
  install(TARGETS sorvat RUNTIME DESTINATION "${SORVAT_INSTALL_PRIVATEDIR}")
  if(TARGET sorvat_help)
    install(FILES "${SORVAT_HELP_FILE}" DESTINATION "${SORVAT_INSTALL_PRIVATEDIR}")
  endif()
  install(DIRECTORY "${SORVAT_HELP_PAGES_DIR}" DESTINATION "${SORVAT_INSTALL_PRIVATEDIR}")

  # The launcher finds the program relative to itself, so the installation
  # can be moved as a whole.
  file(RELATIVE_PATH SORVAT_BIN_TO_PRIVATE "/p/${CMAKE_INSTALL_BINDIR}" "/p/${SORVAT_INSTALL_PRIVATEDIR}")
  configure_file("${PROJECT_SOURCE_DIR}/data/launcher/sorvat.in" "${PROJECT_BINARY_DIR}/launcher/sorvat" @ONLY)
  install(PROGRAMS "${PROJECT_BINARY_DIR}/launcher/sorvat" DESTINATION "${CMAKE_INSTALL_BINDIR}")

  install(FILES "${desktop_dir}/${SORVAT_APP_ID}.desktop"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
  install(FILES "${desktop_dir}/${SORVAT_APP_ID}.metainfo.xml"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
  install(FILES "${desktop_dir}/${SORVAT_APP_ID}.mime.xml"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/mime/packages" RENAME "${SORVAT_APP_ID}.xml")
  install(FILES "${desktop_dir}/icons/${SORVAT_APP_ID}.svg"
    DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps")
  foreach(size 16 22 24 32 48 64 128 256)
    install(FILES "${desktop_dir}/icons/${SORVAT_APP_ID}-${size}.png"
      DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
      RENAME "${SORVAT_APP_ID}.png")
  endforeach()
  install(FILES "${PROJECT_SOURCE_DIR}/data/man/sorvat.1" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
endif()

if(TARGET sorvat-cli)
  install(TARGETS sorvat-cli RUNTIME DESTINATION "${CMAKE_INSTALL_BINDIR}")
  install(FILES "${PROJECT_SOURCE_DIR}/data/man/sorvat-cli.1" DESTINATION "${CMAKE_INSTALL_MANDIR}/man1")
endif()

install(FILES "${PROJECT_SOURCE_DIR}/data/_Template.xls" DESTINATION "${SORVAT_INSTALL_DATADIR}")
install(DIRECTORY "${PROJECT_SOURCE_DIR}/samples/" DESTINATION "${SORVAT_INSTALL_DOCDIR}/samples")
install(FILES "${PROJECT_SOURCE_DIR}/README.md" DESTINATION "${SORVAT_INSTALL_DOCDIR}")

include(${CMAKE_CURRENT_LIST_DIR}/Package.cmake)

# The help file "SorvatHelp.chm", compiled from data/help with chmcmd (Debian
# package fp-utils) into the directory of the built `sorvat`, where the
# program looks for it, and the same pages as HTML in the folder "SorvatHelp"
# beside it, which the program opens in the web browser where no program takes
# the CHM file.
find_program(SORVAT_CHMCMD NAMES chmcmd chmcmd-3.2.2)
find_program(SORVAT_ICONV iconv)
set(SORVAT_HELP_SOURCE_DIR "${PROJECT_SOURCE_DIR}/data/help")
if(TARGET sorvat)
  set(SORVAT_HELP_FILE "${PROJECT_BINARY_DIR}/app/SorvatHelp.chm")
else()
  set(SORVAT_HELP_FILE "${PROJECT_BINARY_DIR}/help/SorvatHelp.chm")
endif()
get_filename_component(help_output_dir "${SORVAT_HELP_FILE}" DIRECTORY)
set(SORVAT_HELP_PAGES_DIR "${help_output_dir}/SorvatHelp")

# The pages as they are written (UTF-8), without the CHM project files; the
# folder is made anew, so a page removed from the sources goes from it too.
file(GLOB SORVAT_HELP_PAGE_SOURCES LIST_DIRECTORIES false CONFIGURE_DEPENDS "${SORVAT_HELP_SOURCE_DIR}/*")
list(FILTER SORVAT_HELP_PAGE_SOURCES EXCLUDE REGEX "\\.(hhp|hhc|hhk)$")
set(help_pages)
foreach(page IN LISTS SORVAT_HELP_PAGE_SOURCES)
  get_filename_component(name "${page}" NAME)
  list(APPEND help_pages "${SORVAT_HELP_PAGES_DIR}/${name}")
endforeach()
add_custom_command(OUTPUT ${help_pages}
  COMMAND ${CMAKE_COMMAND} -E rm -rf "${SORVAT_HELP_PAGES_DIR}"
  COMMAND ${CMAKE_COMMAND} -E make_directory "${SORVAT_HELP_PAGES_DIR}"
  COMMAND ${CMAKE_COMMAND} -E copy ${SORVAT_HELP_PAGE_SOURCES} "${SORVAT_HELP_PAGES_DIR}"
  DEPENDS ${SORVAT_HELP_PAGE_SOURCES}
  COMMENT "Copying the help pages into SorvatHelp"
  VERBATIM)
add_custom_target(sorvat_help_pages ALL DEPENDS ${help_pages})

if(SORVAT_CHMCMD AND SORVAT_ICONV)
  file(GLOB SORVAT_HELP_SOURCES CONFIGURE_DEPENDS "${SORVAT_HELP_SOURCE_DIR}/*")
  add_custom_command(OUTPUT "${SORVAT_HELP_FILE}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${help_output_dir}"
    COMMAND ${CMAKE_COMMAND}
      "-DSOURCE_DIR=${SORVAT_HELP_SOURCE_DIR}" "-DWORK_DIR=${PROJECT_BINARY_DIR}/help-pages"
      "-DOUTPUT=${SORVAT_HELP_FILE}" "-DCHMCMD=${SORVAT_CHMCMD}" "-DICONV=${SORVAT_ICONV}"
      -P "${CMAKE_CURRENT_LIST_DIR}/BuildHelp.cmake"
    DEPENDS ${SORVAT_HELP_SOURCES} "${CMAKE_CURRENT_LIST_DIR}/BuildHelp.cmake"
    COMMENT "Compiling the help file SorvatHelp.chm"
    VERBATIM)
  add_custom_target(sorvat_help ALL DEPENDS "${SORVAT_HELP_FILE}")
else()
  message(WARNING "chmcmd (apt-get install fp-utils) or iconv not found: "
                  "the help file SorvatHelp.chm is not built")
endif()

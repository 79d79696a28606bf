# Compiles the help pages into "SorvatHelp.chm" (cmake -P script).
#   -DSOURCE_DIR=data/help -DWORK_DIR=<scratch> -DOUTPUT=<chm> -DCHMCMD=<chmcmd> -DICONV=<iconv>
# The pages are written in UTF-8; a Japanese help file is read by the viewers
# in the code page of its language (932), so every text file of the project
# is converted on the way, and its charset declaration with it.
foreach(var SOURCE_DIR WORK_DIR OUTPUT CHMCMD ICONV)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "BuildHelp.cmake: ${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
file(GLOB sources RELATIVE "${SOURCE_DIR}" "${SOURCE_DIR}/*")
foreach(name IN LISTS sources)
  if(name MATCHES "\\.(html|hhc|hhk|hhp)$")
    file(READ "${SOURCE_DIR}/${name}" text)
    string(REPLACE "charset=UTF-8" "charset=Shift_JIS" text "${text}")
    file(WRITE "${WORK_DIR}/${name}.utf8" "${text}")
    execute_process(COMMAND "${ICONV}" -f UTF-8 -t CP932 "${WORK_DIR}/${name}.utf8"
      OUTPUT_FILE "${WORK_DIR}/${name}" RESULT_VARIABLE status ERROR_VARIABLE message)
    if(NOT status EQUAL 0)
      message(FATAL_ERROR "${name}: a character has no code page 932 form: ${message}")
    endif()
    file(REMOVE "${WORK_DIR}/${name}.utf8")
  elseif(NOT IS_DIRECTORY "${SOURCE_DIR}/${name}")
    file(COPY "${SOURCE_DIR}/${name}" DESTINATION "${WORK_DIR}")
  endif()
endforeach()

execute_process(COMMAND "${CHMCMD}" --verbosity 1 SorvatHelp.hhp
  WORKING_DIRECTORY "${WORK_DIR}" RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
if(NOT status EQUAL 0 OR NOT EXISTS "${WORK_DIR}/SorvatHelp.chm")
  message(FATAL_ERROR "chmcmd failed:\n${log}")
endif()
file(COPY_FILE "${WORK_DIR}/SorvatHelp.chm" "${OUTPUT}")

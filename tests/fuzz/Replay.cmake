# The fuzz targets' checks replayed once on their seed corpus and on the
# inputs of faults found earlier, in every build and with any compiler (no
# libFuzzer needed): ctest runs them as fuzz_<what>_replay.
foreach(target fuzz_puzzle_file fuzz_settings fuzz_puzzle_lines fuzz_puzzle_text)
  add_executable(${target}_replay ${CMAKE_CURRENT_LIST_DIR}/${target}.cpp ${CMAKE_CURRENT_LIST_DIR}/ReplayMain.cpp)
  target_link_libraries(${target}_replay PRIVATE sorvat_core)
  target_include_directories(${target}_replay PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
  add_test(NAME ${target}_replay COMMAND ${target}_replay
    ${CMAKE_CURRENT_LIST_DIR}/corpus/${target} ${CMAKE_CURRENT_LIST_DIR}/regressions/${target})
endforeach()

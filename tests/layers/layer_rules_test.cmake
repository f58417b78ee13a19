# The layer rules refuse each wrong include and accept the right ones:
# cmake -DROOT=<project> -DWORK=<empty folder> -P layer_rules_test.cmake
cmake_minimum_required(VERSION 3.25)
# file | include | whether the rules refuse it
set(cases
  "src/core/datafile/a.cpp|ui/common/editor_document.h|refused"
  "src/core/planedata/a.h|ui/shell/vn_editor.h|refused"
  "src/core/datafile/a.cpp|core/damage/damage_map.h|refused"
  "src/core/damage/a.cpp|core/workspace/support_files.h|refused"
  "src/core/weapons/a.cpp|cli/cli_commands.h|refused"
  "src/cli/a.cpp|ui/common/editor_document.h|refused"
  "tests/core/planedata/test_a.cpp|ui/common/plane_view.h|refused"
  "src/ui/weapons/a.cpp|ui/shell/vn_editor.h|refused"
  "src/ui/common/a.cpp|ui/damage/damage_map_page.h|refused"
  "src/core/operations/a.cpp|core/planedata/plane_json.h|accepted"
  "src/cli/a.cpp|core/workspace/settings.h|accepted"
  "src/ui/weapons/a.cpp|ui/common/editor_document.h|accepted"
  "src/ui/shell/a.cpp|ui/damage/damage_map_page.h|accepted")
set(failures "")
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" fields "${case}")
  list(GET fields 0 source)
  list(GET fields 1 include)
  list(GET fields 2 expected)
  file(REMOVE_RECURSE ${WORK}/tree)
  file(WRITE ${WORK}/tree/${source} "#include \"${include}\"\n")
  execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${WORK}/tree -P ${ROOT}/cmake/check_layers.cmake
                  RESULT_VARIABLE rc ERROR_VARIABLE output)
  if(expected STREQUAL "refused" AND (rc EQUAL 0 OR NOT output MATCHES "${source}: #include \"${include}\""))
    list(APPEND failures "${source} including ${include} was not refused")
  elseif(expected STREQUAL "accepted" AND NOT rc EQUAL 0)
    list(APPEND failures "${source} including ${include} was refused: ${output}")
  endif()
endforeach()
# The project's own tree keeps the rules.
execute_process(COMMAND ${CMAKE_COMMAND} -DROOT=${ROOT} -P ${ROOT}/cmake/check_layers.cmake
                RESULT_VARIABLE rc ERROR_VARIABLE output)
if(NOT rc EQUAL 0)
  list(APPEND failures "the project's tree: ${output}")
endif()
if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "Layer rules:\n  ${text}")
endif()

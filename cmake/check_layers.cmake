# The layer rules of the source tree, checked on every build (cmake -P with
# -DROOT=<the project's folder>): a quoted include of another folder must be
# one the including folder may use. A file that breaks a rule stops the build
# with the file, the include and the rule.
#
#   src/core/<folder>  the widget-free core: only core folders below it
#   src/ui/<folder>    the editor: the core, ui/common, its own folder; the
#                      shell (the main window) may use every page folder
#   src/scripting      the script host: the core only
#   src/cli            the command-line tool: the core and the script host
#   tests/core         tests of the core: the core only
cmake_minimum_required(VERSION 3.25)
if(NOT ROOT)
  message(FATAL_ERROR "check_layers.cmake: -DROOT=<project folder> is missing")
endif()

# What each core folder may include besides itself, as the data model has it.
set(allowed_core_datafile "")
set(allowed_core_damage "core/datafile")
set(allowed_core_flightmodel "core/datafile;core/damage")
set(allowed_core_weapons "core/datafile;core/flightmodel")
set(allowed_core_powerchart "core/datafile;core/flightmodel")
set(allowed_core_planedata "core/datafile;core/damage;core/flightmodel;core/weapons;core/powerchart")
set(allowed_core_workspace "core/datafile;core/damage;core/flightmodel;core/weapons;core/powerchart")
set(allowed_core_operations "core/datafile;core/damage;core/flightmodel;core/weapons;core/powerchart;core/planedata;core/workspace")
set(core_folders datafile damage flightmodel weapons powerchart planedata workspace operations)

set(broken "")
file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/src/*.cpp ${ROOT}/src/*.h ${ROOT}/tests/core/*.cpp ${ROOT}/tests/core/*.h)
foreach(source IN LISTS sources)
  file(STRINGS ${ROOT}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"(core|ui|cli|scripting)/")
  if(NOT includes)
    continue()
  endif()
  string(REGEX MATCH "^(src|tests)/(core|ui|cli|scripting)(/[a-z_]+)?" unit "${source}")
  set(tree ${CMAKE_MATCH_2})
  string(REGEX REPLACE "^/" "" folder "${CMAKE_MATCH_3}")
  if(source MATCHES "^tests/")
    set(tree tests_core)
  endif()
  foreach(line IN LISTS includes)
    string(REGEX MATCH "\"((core|ui|cli|scripting)/([a-z_]+))" _ "${line}")
    set(target_folder ${CMAKE_MATCH_1})
    set(target_tree ${CMAKE_MATCH_2})
    set(rule "")
    if(tree STREQUAL "core")
      if(NOT target_tree STREQUAL "core")
        set(rule "the core cannot include the editor or the command-line tool")
      elseif(NOT target_folder STREQUAL "core/${folder}")
        if(NOT folder IN_LIST core_folders)
          set(rule "core/${folder} is not a known core folder")
        elseif(NOT target_folder IN_LIST allowed_core_${folder})
          set(rule "core/${folder} may include only ${allowed_core_${folder}}")
        endif()
      endif()
    elseif(tree STREQUAL "scripting")
      if(NOT target_tree STREQUAL "core" AND NOT target_tree STREQUAL "scripting")
        set(rule "the script host may include only the core")
      endif()
    elseif(tree STREQUAL "cli" OR tree STREQUAL "tests_core")
      if(target_tree STREQUAL "ui")
        set(rule "the command-line tool and the core's tests cannot include the editor's widgets")
      endif()
    elseif(tree STREQUAL "ui")
      if(target_tree STREQUAL "cli")
        set(rule "the editor cannot include the command-line tool")
      elseif(target_tree STREQUAL "ui" AND NOT folder STREQUAL "shell" AND NOT target_folder STREQUAL "ui/common"
             AND NOT target_folder STREQUAL "ui/${folder}")
        set(rule "a page folder may include only the core, ui/common and itself")
      endif()
    endif()
    if(rule)
      string(STRIP "${line}" line)
      list(APPEND broken "${source}: ${line}: ${rule}")
    endif()
  endforeach()
endforeach()

if(broken)
  list(JOIN broken "\n  " text)
  message(FATAL_ERROR "Includes that break the layer rules:\n  ${text}")
endif()

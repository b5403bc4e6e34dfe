# Checks that no source file includes code from a higher floor.
#
#   cmake -DSOURCE_DIR=<folder holding the subsystems> -P IncludeFloors.cmake
#
# The house has three floors of Qt code over a Qt-free core:
#   - the core subsystems, each allowed the core subsystems listed for it;
#   - ui_common, the Qt services every window shares (over the record only);
#   - each subsystem's ui/ layer, allowed its own core, what its core may
#     include, ui_common and the ui/ layers of those subsystems;
#   - app and cli on top, allowed everything but each other.
# A file's floor is its folder under SOURCE_DIR: the subsystem, or
# "<subsystem>/ui" for its Qt layer; anything deeper belongs to the same
# floor (serial/detail is serial). Every "..." include naming a folder is
# checked; the first offending include of each file is reported and the
# script fails.

cmake_minimum_required(VERSION 3.25)

set(core_document document)
set(core_entry document entry)
set(core_analysis document entry analysis)
set(core_graphs document entry analysis graphs)
set(core_reports document entry analysis graphs reports)
set(core_serial serial)
set(core_acquisition document entry analysis serial acquisition)
set(core_subsystems document entry analysis graphs reports serial acquisition)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

# The floors a file of `floor` may include, in `out`.
function(allowed_floors floor out)
  set(result ${floor})
  if(floor STREQUAL "app" OR floor STREQUAL "cli")
    foreach(sub IN LISTS core_subsystems)
      list(APPEND result ${sub} ${sub}/ui)
    endforeach()
    list(APPEND result ui_common)
  elseif(floor STREQUAL "ui_common")
    list(APPEND result document)
  elseif(floor MATCHES "^([a-z_]+)/ui$")
    set(sub ${CMAKE_MATCH_1})
    if(NOT DEFINED core_${sub})
      set(result "")
    else()
      list(APPEND result ui_common)
      foreach(below IN LISTS core_${sub})
        list(APPEND result ${below} ${below}/ui)
      endforeach()
    endif()
  elseif(DEFINED core_${floor})
    list(APPEND result ${core_${floor}})
  else()
    set(result "")
  endif()
  set(${out} ${result} PARENT_SCOPE)
endfunction()

# The floor of a path relative to SOURCE_DIR (file or included header).
function(floor_of path out)
  string(REPLACE "/" ";" parts "${path}")
  list(LENGTH parts count)
  list(GET parts 0 first)
  set(floor ${first})
  if(count GREATER 2)
    list(GET parts 1 second)
    if(second STREQUAL "ui")
      set(floor ${first}/ui)
    endif()
  endif()
  set(${out} ${floor} PARENT_SCOPE)
endfunction()

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(violations "")
foreach(source IN LISTS sources)
  floor_of(${source} floor)
  allowed_floors(${floor} allowed)
  if(NOT allowed)
    string(APPEND violations "  ${source}: the folder ${floor} has no floor; add it to cmake/IncludeFloors.cmake\n")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+/[^\"]+\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" header "${line}")
    floor_of(${header} target)
    if(NOT target IN_LIST allowed)
      string(APPEND violations "  ${source} includes ${header} (${floor} may not include ${target})\n")
      break()
    endif()
  endforeach()
endforeach()

if(violations)
  message(FATAL_ERROR "Includes that run to a higher floor:\n${violations}")
endif()

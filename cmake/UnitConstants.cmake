# Checks that every unit has one home: no source file but
# document/Quantities.h defines a unit's size (MlPerLitre, SecondsPerHour,
# LitresPerGallon, PaPerPsi, Pi, ...) or a table of unit names and sizes
# ({"gal", ...}, {"L/h", ...}).
#
#   cmake -DSOURCE_DIR=<folder holding the subsystems> -P UnitConstants.cmake
#
# Every offending line is reported and the script fails.

cmake_minimum_required(VERSION 3.25)

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(home "document/Quantities.h")
set(unit "(Ml|Litres|Hectolitres|Gallons|Seconds|Minutes|Hours|Pa|Bar|Psi|Grams)")
set(per "Per(Ml|Litre|Hectolitre|CubicMetre|Gallon|Bottle|Second|Minute|Hour|Psi|Bar|SquareMetre)")
set(constant "constexpr[^=;(]*[ \t](${unit}${per}|Pi)[ \t]*=")
set(name_table "{[ \t]*\"(gal|L|hL|gpm|bpm|L/min|L/h|hL/h|psi|bar)\"[ \t]*,")

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(failures "")
foreach(source IN LISTS sources)
  if(source STREQUAL home)
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${source} lines REGEX "(${constant})|(${name_table})")
  foreach(line IN LISTS lines)
    string(STRIP "${line}" line)
    string(APPEND failures "\n  ${source}: ${line}")
  endforeach()
endforeach()

if(failures)
  message(FATAL_ERROR "Unit sizes and unit names belong in ${home}:${failures}")
endif()

# Fails when a text of src/ has no finished translation in one of the .ts
# files of TS_DIR: lupdate refreshes copies of them in WORK_DIR from the
# sources, as tools/update-translations.sh does, and any text it adds, or any
# translation left unfinished, is reported.
#
#   cmake -DLUPDATE=... -DSOURCE_DIR=src -DTS_DIR=translations -DWORK_DIR=... -P TranslationsComplete.cmake

file(GLOB ts_files ${TS_DIR}/zephra_*.ts)
list(LENGTH ts_files count)
if(NOT count EQUAL 5)
  message(FATAL_ERROR "expected the five translations in ${TS_DIR}, found ${count}")
endif()
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(copies)
foreach(ts IN LISTS ts_files)
  file(COPY ${ts} DESTINATION ${WORK_DIR})
  get_filename_component(name ${ts} NAME)
  list(APPEND copies ${WORK_DIR}/${name})
endforeach()
execute_process(
  COMMAND ${LUPDATE} -silent -no-obsolete -locations none
          -tr-function-alias translate+=CoreText,QT_TRANSLATE_NOOP+=ShownText
          ${SOURCE_DIR} -ts ${copies}
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${result}")
endif()
set(failures)
foreach(copy IN LISTS copies)
  file(STRINGS ${copy} lines)
  set(source "")
  foreach(line IN LISTS lines)
    if(line MATCHES "<source>(.*)</source>")
      set(source "${CMAKE_MATCH_1}")
    elseif(line MATCHES "<translation type=\"unfinished\"" OR line MATCHES "<translation></translation>")
      get_filename_component(name ${copy} NAME)
      list(APPEND failures "${name}: ${source}")
    endif()
  endforeach()
endforeach()
if(failures)
  list(JOIN failures "\n  " shown)
  message(FATAL_ERROR "texts without a finished translation (run tools/update-translations.sh and translate them):\n  ${shown}")
endif()

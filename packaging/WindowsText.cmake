# Writes a text file as Windows programs expect it: CRLF line ends and, when
# ENCODING is given, that encoding (the source is UTF-8). The release's
# version and the date of its entry in the history CHANGELOG replace
# @TOLLIMER_VERSION@, @TOLLIMER_RELEASE_DATE@ (2026-12-09) and
# @TOLLIMER_RELEASE_DATE_JA@ (2026 年 12 月 9 日). HISTORY marks the texts
# that carry the history: "english" (the history itself, written as it
# ships) and "japanese" (the Japanese read-me, which must have the version's
# entry). The build stops when the history is not fit to ship
# (ReleaseHistory.cmake).
#   cmake -DINPUT=<file> -DOUTPUT=<file> -DVERSION=<x.y> -DCHANGELOG=<CHANGELOG.md>
#         [-DHISTORY=english|japanese] [-DENCODING=CP932 -DICONV=<iconv>] -P WindowsText.cmake
cmake_minimum_required(VERSION 3.25)  # "@NAME@" is text, not a variable
include(${CMAKE_CURRENT_LIST_DIR}/ReleaseHistory.cmake)
file(READ "${CHANGELOG}" history)
release_history_date("${CHANGELOG}" "${history}" "${VERSION}" release_date)
release_history_japanese_date(${release_date} release_date_ja)

file(READ "${INPUT}" text)
if(HISTORY STREQUAL "english")
  release_history_shipped("${text}" text)
elseif(HISTORY STREQUAL "japanese")
  release_history_require_japanese("${INPUT}" "${text}" "${VERSION}" ${release_date})
elseif(NOT HISTORY STREQUAL "")
  message(FATAL_ERROR "HISTORY is \"${HISTORY}\", not english or japanese")
endif()
string(REPLACE "@TOLLIMER_VERSION@" "${VERSION}" text "${text}")
string(REPLACE "@TOLLIMER_RELEASE_DATE@" "${release_date}" text "${text}")
string(REPLACE "@TOLLIMER_RELEASE_DATE_JA@" "${release_date_ja}" text "${text}")
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
if(ENCODING STREQUAL "")
  file(WRITE "${OUTPUT}" "${text}")
  return()
endif()
file(WRITE "${OUTPUT}.utf8" "${text}")
# iconv fails on a character the encoding lacks, and so does the build.
execute_process(COMMAND "${ICONV}" -f UTF-8 -t "${ENCODING}"
                INPUT_FILE "${OUTPUT}.utf8" OUTPUT_FILE "${OUTPUT}" RESULT_VARIABLE result ERROR_VARIABLE error)
file(REMOVE "${OUTPUT}.utf8")
if(NOT result EQUAL 0)
  file(REMOVE "${OUTPUT}")
  message(FATAL_ERROR "${INPUT}: cannot be written in ${ENCODING}: ${error}")
endif()

# Writes a text file as Windows programs expect it: CRLF line ends and, when
# ENCODING is given, that encoding (the source is UTF-8). The release's
# version and date replace @TOLLIMER_VERSION@, @TOLLIMER_RELEASE_DATE@
# (2026-12-09) and @TOLLIMER_RELEASE_DATE_JA@ (2026 年 12 月 9 日).
#   cmake -DINPUT=<file> -DOUTPUT=<file> -DVERSION=<x.y> -DRELEASE_DATE=<yyyy-mm-dd>
#         [-DENCODING=CP932 -DICONV=<iconv>] -P WindowsText.cmake
cmake_minimum_required(VERSION 3.25)  # "@NAME@" is text, not a variable
file(READ "${INPUT}" text)
string(REGEX MATCH "^([0-9]+)-0?([0-9]+)-0?([0-9]+)$" date "${RELEASE_DATE}")
if(NOT date)
  message(FATAL_ERROR "${INPUT}: the release date \"${RELEASE_DATE}\" is not yyyy-mm-dd")
endif()
string(REPLACE "@TOLLIMER_VERSION@" "${VERSION}" text "${text}")
string(REPLACE "@TOLLIMER_RELEASE_DATE@" "${RELEASE_DATE}" text "${text}")
string(REPLACE "@TOLLIMER_RELEASE_DATE_JA@" "${CMAKE_MATCH_1} 年 ${CMAKE_MATCH_2} 月 ${CMAKE_MATCH_3} 日" text "${text}")
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

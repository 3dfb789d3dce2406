# Writes a text file as Windows programs expect it: CRLF line ends and, when
# ENCODING is given, that encoding (the source is UTF-8); @PRODUCT_NAME@ and
# @PRODUCT_VERSION@ in it become the product's name and version.
#   cmake -DINPUT=<file> -DOUTPUT=<file> -DPRODUCT_NAME=<name> -DPRODUCT_VERSION=<version>
#         [-DENCODING=CP932 -DICONV=<iconv>] -P WindowsText.cmake
cmake_minimum_required(VERSION 3.25)  # "@NAME@" is text, not a variable
file(READ "${INPUT}" text)
string(REPLACE "@PRODUCT_NAME@" "${PRODUCT_NAME}" text "${text}")
string(REPLACE "@PRODUCT_VERSION@" "${PRODUCT_VERSION}" text "${text}")
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

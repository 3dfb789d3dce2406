# The release's history as users get it. CHANGELOG.md holds the users'
# history, newest first, each version under "## [x.y] - yyyy-mm-dd"; changes
# not yet released wait under "## [Unreleased]", which must be empty when a
# release is made, or they would ship under no version. The Japanese read-me
# carries the same history under "更新履歴", each version under
# "x.y（yyyy 年 m 月 d 日）" with its items indented below.
# Each function stops the build (FATAL_ERROR) when the history is not fit to
# ship; WindowsText.cmake calls them while it writes the package's texts.

# The release date of <version>, "yyyy-mm-dd", from the history <text> of
# <file>: its entry must be there and list at least one item ("- "), and
# "[Unreleased]" must hold nothing.
function(release_history_date file text version out)
  string(FIND "${text}" "\n## [Unreleased]" unreleased)
  if(NOT unreleased EQUAL -1)
    math(EXPR unreleased "${unreleased} + 16")
    string(SUBSTRING "${text}" ${unreleased} -1 after)
    string(FIND "${after}" "\n## " next)
    string(SUBSTRING "${after}" 0 ${next} waiting)
    string(STRIP "${waiting}" waiting)
    if(NOT waiting STREQUAL "")
      message(FATAL_ERROR "${file}: \"[Unreleased]\" holds entries, which would ship under no version: "
                          "move them under \"## [${version}] - <yyyy-mm-dd>\"")
    endif()
  endif()
  string(REPLACE "." "\\." version_pattern "${version}")
  if(NOT text MATCHES "\n## \\[${version_pattern}\\] - ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\n")
    message(FATAL_ERROR "${file} has no entry \"## [${version}] - <yyyy-mm-dd>\" for this version")
  endif()
  set(date ${CMAKE_MATCH_1})
  string(FIND "${text}" "${CMAKE_MATCH_0}" entry)
  string(LENGTH "${CMAKE_MATCH_0}" heading)
  math(EXPR entry "${entry} + ${heading} - 1")
  string(SUBSTRING "${text}" ${entry} -1 after)
  string(FIND "${after}" "\n## " next)
  string(SUBSTRING "${after}" 0 ${next} items)
  if(NOT items MATCHES "\n- ")
    message(FATAL_ERROR "${file}: the entry for ${version} lists no change (\"- ...\")")
  endif()
  set(${out} ${date} PARENT_SCOPE)
endfunction()

# "2026 年 12 月 9 日" for "2026-12-09".
function(release_history_japanese_date date out)
  if(NOT date MATCHES "^([0-9]+)-0?([0-9]+)-0?([0-9]+)$")
    message(FATAL_ERROR "the release date \"${date}\" is not yyyy-mm-dd")
  endif()
  set(${out} "${CMAKE_MATCH_1} 年 ${CMAKE_MATCH_2} 月 ${CMAKE_MATCH_3} 日" PARENT_SCOPE)
endfunction()

# The history <text> as it ships: without the empty "[Unreleased]" heading.
function(release_history_shipped text out)
  string(REGEX REPLACE "(^|\n)## \\[Unreleased\\][ \t]*\n+" "\\1" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# Stops the build unless the Japanese read-me <text> of <file> has, in its
# history, an entry for <version> dated <date> with at least one item ("・").
function(release_history_require_japanese file text version date)
  release_history_japanese_date(${date} japanese_date)
  string(FIND "\n${text}" "\n更新履歴\n" history)
  if(history EQUAL -1)
    message(FATAL_ERROR "${file} has no history (\"更新履歴\")")
  endif()
  string(SUBSTRING "\n${text}" ${history} -1 history)
  set(heading "\n${version}（${japanese_date}）\n")
  string(FIND "${history}" "${heading}" entry)
  if(entry EQUAL -1)
    message(FATAL_ERROR "${file}: its history (\"更新履歴\") has no entry \"${version}（${japanese_date}）\" for this version")
  endif()
  string(LENGTH "${heading}" length)
  math(EXPR entry "${entry} + ${length} - 1")
  string(SUBSTRING "${history}" ${entry} -1 after)
  # The entry's lines are indented; the next version's heading is not.
  string(REGEX MATCH "^(\n( [^\n]*)?)*" items "${after}")
  if(NOT items MATCHES "\n *・")
    message(FATAL_ERROR "${file}: the history's entry for ${version} lists no change (\"・...\")")
  endif()
endfunction()

# Puts a built program or library beside another target's output, for a
# test or benchmark that loads or runs it from its own folder:
#   tollimer_copy_beside(<target> <built target>)
# The copy is made again whenever <built target> is rebuilt, also when
# <target> itself is not relinked (a copy made after linking <target> would go
# stale). One copy per folder, shared by the folder's targets.
function(tollimer_copy_beside target built)
  string(MAKE_C_IDENTIFIER "tollimer_copy_${built}_${CMAKE_CURRENT_BINARY_DIR}" copy_target)
  if(NOT TARGET ${copy_target})
    # A custom command's output may not name a target's file by generator
    # expression; these targets set no prefix of their own.
    get_target_property(file_name ${built} OUTPUT_NAME)
    if(NOT file_name)
      set(file_name ${built})
    endif()
    get_target_property(type ${built} TYPE)
    if(type STREQUAL "EXECUTABLE")
      string(APPEND file_name ${CMAKE_EXECUTABLE_SUFFIX})
    else()
      string(APPEND file_name ${CMAKE_SHARED_LIBRARY_SUFFIX})
    endif()
    set(copy ${CMAKE_CURRENT_BINARY_DIR}/${file_name})
    add_custom_command(OUTPUT ${copy}
      COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:${built}> ${copy}
      DEPENDS ${built} VERBATIM)
    add_custom_target(${copy_target} DEPENDS ${copy})
  endif()
  add_dependencies(${target} ${copy_target})
endfunction()

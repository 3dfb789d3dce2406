# Makes an executable export the host's BKA_ functions by their plain names,
# as the mail client's own executable does, optionally without some of them.
# The names come from src/core/host/HostExports.h, so the plug-in, its test hosts
# and the demo host share one list.
#   tollimer_export_host_names(<target> [OMIT <field>...])
# The target must define each exported function as extern "C" __stdcall:
# GetWindowHandles with four arguments, every other one with none.
function(tollimer_export_host_names target)
  cmake_parse_arguments(ARG "" "" "OMIT" ${ARGN})
  set(header ${PROJECT_SOURCE_DIR}/src/core/host/HostExports.h)
  file(READ ${header} content)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${header})
  string(REGEX MATCHALL "X\\([A-Za-z0-9_]+, *[A-Za-z0-9_]+, *(Required|Optional)\\)" entries "${content}")
  set(def "EXPORTS\n")
  foreach(entry IN LISTS entries)
    string(REGEX REPLACE "^X\\(([A-Za-z0-9_]+), *([A-Za-z0-9_]+),.*" "\\1;\\2" parts "${entry}")
    list(GET parts 0 field)
    list(GET parts 1 type)
    if(field IN_LIST ARG_OMIT)
      continue()
    endif()
    # stdcall names are decorated with their argument bytes.
    set(bytes 0)
    if(type STREQUAL "GetWindowHandlesFn")
      set(bytes 16)
    endif()
    string(APPEND def "  BKA_${field} = BKA_${field}@${bytes}\n")
  endforeach()
  set(def_file ${CMAKE_CURRENT_BINARY_DIR}/${target}.def)
  file(CONFIGURE OUTPUT ${def_file} CONTENT "${def}")
  # An executable's .def file goes to the linker directly.
  target_link_options(${target} PRIVATE ${def_file})
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${def_file})
endfunction()

include(${PROJECT_SOURCE_DIR}/cmake/HostExports.cmake)

# Makes a test executable a stand-in host: it exports the host's BKA_
# functions (optionally without some of them), implemented by the fake host.
#   tollimer_export_host_functions(<target> [OMIT <field>...])
function(tollimer_export_host_functions target)
  tollimer_export_host_names(${target} ${ARGN})
  target_link_libraries(${target} PRIVATE tollimer_fake_host)
endfunction()

# tollimer_target_options(<target> <role>)
# Every target's compile options and warnings, set in this one place by what
# the target is:
#   DLL      code that ends up inside Tollimer.dll, the portable core among it:
#            it must never throw into the host, so no exceptions, no RTTI, no
#            unwind tables. In the Windows build: every function and datum in
#            a section of its own, so that the link keeps only what the DLL
#            reaches; compiled and linked with LLVM (cmake/llvm-launcher), for
#            the SafeSEH table; every function with an array or an address-
#            taken local checks a stack cookie on return (the DLL's own guard,
#            src/plugin/StackGuard.h).
#   CHECK    the settings check: in the Windows build small and static,
#            without exception support or unwind tables.
#   DEMO     the demo host.
#   TEST     tests, fuzz targets and benchmarks.
set(TOLLIMER_WARNINGS -Wall -Wextra -Wpedantic -Wconversion -Wshadow)

function(tollimer_target_options target role)
  if(role STREQUAL "DLL")
    target_compile_options(${target} PRIVATE
      "$<$<COMPILE_LANGUAGE:CXX>:${TOLLIMER_WARNINGS};-fno-exceptions;-fno-rtti;-fno-asynchronous-unwind-tables;-fno-unwind-tables>"
      $<$<BOOL:${WIN32}>:-ffunction-sections -fdata-sections>)
    if(WIN32)
      set(launcher ${PROJECT_SOURCE_DIR}/cmake/llvm-launcher)
      set_target_properties(${target} PROPERTIES RULE_LAUNCH_COMPILE ${launcher})
      # clang keeps frame pointers on this target unless told; the DLL has
      # 14 KiB.
      target_compile_options(${target} PRIVATE $<$<CONFIG:MinSizeRel>:-Oz> -fomit-frame-pointer)
      get_target_property(type ${target} TYPE)
      if(type STREQUAL "SHARED_LIBRARY")
        set_target_properties(${target} PROPERTIES RULE_LAUNCH_LINK ${launcher})
      endif()
      if(NOT target STREQUAL "tollimer_stack_guard")
        target_compile_options(${target} PRIVATE -fstack-protector-strong)
        target_link_libraries(${target} PUBLIC tollimer_stack_guard)
      endif()
    endif()
  elseif(role STREQUAL "CHECK")
    target_compile_options(${target} PRIVATE ${TOLLIMER_WARNINGS}
      $<$<BOOL:${WIN32}>:-fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables -fno-unwind-tables -ffunction-sections -fdata-sections>)
  elseif(role STREQUAL "DEMO")
    target_compile_options(${target} PRIVATE ${TOLLIMER_WARNINGS})
  elseif(role STREQUAL "TEST")
    target_compile_options(${target} PRIVATE -Wall -Wextra)
  else()
    message(FATAL_ERROR "tollimer_target_options: unknown role ${role} for ${target}")
  endif()
endfunction()

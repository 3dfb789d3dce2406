# Fails when the link map MAP shows any member of the C++ runtime library
# (libstdc++.a) linked into the program, and names them.
#   cmake -DMAP=<TollimerCheck.map> -P NoRuntimeLibraryLinked.cmake
file(STRINGS "${MAP}" members REGEX "libstdc\\+\\+\\.a\\(")
if(members)
  list(REMOVE_DUPLICATES members)
  list(JOIN members "\n" members)
  message(FATAL_ERROR "TollimerCheck.exe links members of the C++ runtime library; give NoThrowRuntime.cpp "
                      "what they provide, or stop needing it:\n${members}")
endif()

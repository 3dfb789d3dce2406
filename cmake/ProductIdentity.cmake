# The product's identity, stated once: the version comes from project() in the
# top-level CMakeLists.txt, everything else from here. The code and the
# resource scripts read it through ProductIdentity.h (src/core/product/), the
# check's manifest and the package through these variables.
set(TOLLIMER_PRODUCT_NAME ${PROJECT_NAME})
set(TOLLIMER_VENDOR "Tollimer Works")
set(TOLLIMER_HOST_NAME "Becky!")
set(TOLLIMER_FILE_DESCRIPTION "${PROJECT_NAME}: ${PROJECT_DESCRIPTION} for the ${TOLLIMER_HOST_NAME} mail client")
set(TOLLIMER_COPYRIGHT "Copyright (c) 2026 ${TOLLIMER_VENDOR}. MIT License.")
set(TOLLIMER_DLL_FILE_NAME "${PROJECT_NAME}.dll")
set(TOLLIMER_CHECK_NAME "${PROJECT_NAME}Check")
# The folder, in its program folder or its data folder, from which the host
# loads plug-ins; and the package's read-mes, which tell an unpacked package's
# folder from it.
set(TOLLIMER_HOST_PLUGINS_FOLDER "PlugIns")
set(TOLLIMER_READ_ME_JA "ReadMe-ja.txt")
set(TOLLIMER_READ_ME_EN "ReadMe-en.txt")

# 1.0 reads 1,0,0,0 in a resource script, 1.0.0.0 in a manifest.
set(numbers "")
foreach(part IN ITEMS MAJOR MINOR PATCH TWEAK)
  if("${PROJECT_VERSION_${part}}" STREQUAL "")
    list(APPEND numbers 0)
  else()
    list(APPEND numbers ${PROJECT_VERSION_${part}})
  endif()
endforeach()
list(GET numbers 0 TOLLIMER_VERSION_MAJOR)
list(GET numbers 1 TOLLIMER_VERSION_MINOR)
list(GET numbers 2 TOLLIMER_VERSION_PATCH)
list(GET numbers 3 TOLLIMER_VERSION_TWEAK)
list(JOIN numbers "," TOLLIMER_VERSION_COMMAS)
list(JOIN numbers "." TOLLIMER_VERSION_DOTS)


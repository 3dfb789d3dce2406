# The product's one identity, for the version information of Tollimer.dll
# and TollimerCheck.exe (Explorer's file properties): the maker (also the
# plug-in information record's), the copyright, and the project's version as
# the resource's four numbers (1.0 reads 1,0,0,0; 1.0.0.0 in a manifest).
set(TOLLIMER_PRODUCT_NAME "Tollimer")
set(TOLLIMER_VENDOR "Tollimer Works")
set(TOLLIMER_COPYRIGHT "Copyright (c) 2026 ${TOLLIMER_VENDOR}. MIT License.")
set(TOLLIMER_VERSION_COMMAS ${PROJECT_VERSION_MAJOR} ${PROJECT_VERSION_MINOR} ${PROJECT_VERSION_PATCH} ${PROJECT_VERSION_TWEAK})
list(LENGTH TOLLIMER_VERSION_COMMAS count)
while(count LESS 4)
  list(APPEND TOLLIMER_VERSION_COMMAS 0)
  math(EXPR count "${count} + 1")
endwhile()
list(JOIN TOLLIMER_VERSION_COMMAS "." TOLLIMER_VERSION_DOTS)
list(JOIN TOLLIMER_VERSION_COMMAS "," TOLLIMER_VERSION_COMMAS)

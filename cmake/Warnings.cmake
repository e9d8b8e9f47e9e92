# Every target of the project compiles with these warnings; the build stays free of them.
add_compile_options(-Wall -Wextra)
# The release flags stay portable: the distribution baseline, never -march=native.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64")
  add_compile_options(-march=x86-64-v2)
endif()

# Every target of the project compiles with these warnings; the build stays free of them.
add_compile_options(-Wall -Wextra)
# The release flags stay portable: the distribution baseline, never -march=native. Windows 10
# still runs on processors without SSE4.2 and POPCNT, so the Windows build keeps plain x86-64.
if(CMAKE_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64" AND NOT WIN32)
  add_compile_options(-march=x86-64-v2)
endif()

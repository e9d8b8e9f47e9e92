# Platform files live in folders named after their platform: windows/ on Windows; posix/, x11/
# and fontconfig/ elsewhere. platform_sources(list) drops the files of the other platforms from
# a list of sources (only the folders inside the source tree count).
function(platform_sources list)
  if(WIN32)
    set(other "/(posix|x11|fontconfig)/")
  else()
    set(other "/windows/")
  endif()
  set(kept "")
  foreach(file ${${list}})
    file(RELATIVE_PATH inside ${CMAKE_SOURCE_DIR} ${file})
    if(NOT "/${inside}" MATCHES "${other}")
      list(APPEND kept ${file})
    endif()
  endforeach()
  set(${list} ${kept} PARENT_SCOPE)
endfunction()

# mingw-w64 declares the thread-safe POSIX time functions (localtime_r, gmtime_r) on request.
if(WIN32)
  add_compile_definitions(_POSIX_THREAD_SAFE_FUNCTIONS)
endif()

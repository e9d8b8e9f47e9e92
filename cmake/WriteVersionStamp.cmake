# Writes the version stamp header of the build (see src/version/CMakeLists.txt): the project's
# version and build type given by the configure step, and the git commit of the source tree
# when it is a checkout (with "-dirty" when tracked files differ from it). Run on every build;
# the file is rewritten only when its text changes, so an unchanged commit rebuilds nothing.
#   cmake -DOUTPUT=FILE -DSOURCE_DIR=DIR -DVERSION=X.Y.Z -DBUILD_DESCRIPTION=TEXT [-DGIT=PROGRAM] -P WriteVersionStamp.cmake
set(commit "")
if(GIT)
  execute_process(COMMAND ${GIT} -C ${SOURCE_DIR} rev-parse --show-toplevel
    OUTPUT_VARIABLE top RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  # A tarball unpacked inside some other checkout is not a checkout of its own.
  if(NOT failed)
    file(REAL_PATH "${top}" top)
    file(REAL_PATH "${SOURCE_DIR}" source)
  endif()
  if(NOT failed AND top STREQUAL source)
    execute_process(COMMAND ${GIT} -C ${SOURCE_DIR} rev-parse --short=10 HEAD
      OUTPUT_VARIABLE commit RESULT_VARIABLE failed OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(failed)
      set(commit "")
    else()
      execute_process(COMMAND ${GIT} -C ${SOURCE_DIR} status --porcelain --untracked-files=no
        OUTPUT_VARIABLE changes OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
      if(changes)
        string(APPEND commit "-dirty")
      endif()
    endif()
  endif()
endif()

set(text "// Written by the build from CMake's project version and the git checkout: do not edit.
#pragma once

namespace version::stamp {

constexpr char Number[] = \"${VERSION}\";
constexpr char Commit[] = \"${commit}\";
constexpr char Build[] = \"${BUILD_DESCRIPTION}\";

} // namespace version::stamp
")
set(old "")
if(EXISTS ${OUTPUT})
  file(READ ${OUTPUT} old)
endif()
if(NOT old STREQUAL text)
  file(WRITE ${OUTPUT} "${text}")
endif()

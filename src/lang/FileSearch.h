// Where the program looks for its files: the executable's directory, then the current
// directory, then the installed data directory. The last one is found from the executable's
// own place (bin/../share/kipto2 in an installed tree), so an installed tree can be moved.
#pragma once

#include "lang/String.h"

namespace lang {

// The directory of the running executable, without a trailing "/".
String programDirectory();

// The installed data directory of this program, without a trailing "/".
String installedDataDirectory();

// The first existing file of that name along the search path; an absolute name is taken as it
// is. Empty when nothing is found.
String findFile(const String& name);

} // namespace lang

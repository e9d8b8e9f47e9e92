// The platform's debug output: silent unless the environment variable KIPTO2_DEBUG is set,
// then every text goes to standard error as it is.
#pragma once

namespace lang {

void debugOutput(const char* text);

} // namespace lang

// The program's version and how it was built: for --version, the window title, the main menu,
// the instructions and crash reports. The numbers come from CMake's project version.
#pragma once

namespace version {

// "0.9.0".
const char* number();
// The git commit of the build ("1a2b3c4d5e", with "-dirty" when the checkout had changes);
// empty when the source had no git checkout.
const char* commit();
// The number with the commit when there is one: "0.9.0 (1a2b3c4d5e)".
const char* describe();
// The build type and compiler: "RelWithDebInfo, GNU 12.2.0".
const char* build();

} // namespace version

// Conversions between the program's file names (lang::String, Windows-1252) and the file
// system's paths, and the folder of the running program. Each platform has its own file:
// lang/posix/Paths.cpp, lang/windows/Paths.cpp.
#pragma once

#include "lang/String.h"

#include <filesystem>

namespace lang::detail {

std::filesystem::path toPath(const String& name);

String fromPath(const std::filesystem::path& path);

// The running executable's path, or an empty path when the system does not say.
std::filesystem::path executablePath();

} // namespace lang::detail

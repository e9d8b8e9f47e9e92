// File names on Windows are UTF-16: each Windows-1252 character maps to its code point, and
// back; a character the code page lacks becomes "?", which no file name holds, so such a file
// is not found rather than mistaken for another.
#include "lang/detail/Paths.h"

#include "lang/Cp1252.h"

#include <windows.h>

namespace lang::detail {

std::filesystem::path toPath(const String& name)
{
    std::wstring wide;
    for (const char* c = name.c_str(); *c != '\0'; ++c)
        wide.push_back(static_cast<wchar_t>(cp1252ToUnicode(static_cast<unsigned char>(*c))));
    return std::filesystem::path(wide);
}

String fromPath(const std::filesystem::path& path)
{
    std::string text;
    for (wchar_t c : path.native()) {
        const int byte = unicodeToCp1252(static_cast<uint32_t>(c));
        text.push_back(byte < 0 ? '?' : static_cast<char>(byte));
    }
    return String(text.c_str());
}

std::filesystem::path executablePath()
{
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return std::filesystem::path();
        if (length < buffer.size()) {
            buffer.resize(length);
            return std::filesystem::path(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace lang::detail

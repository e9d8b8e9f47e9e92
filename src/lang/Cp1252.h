// Conversions between Windows-1252, the 8-bit text of every lang::String, and Unicode.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace lang {

// The Unicode code point of a Windows-1252 byte (bytes 0x81, 0x8D, 0x8F, 0x90 and 0x9D map to
// themselves, as C1 controls).
uint32_t cp1252ToUnicode(unsigned char c);

// The Windows-1252 byte of a code point, or -1 when the code page has none.
int unicodeToCp1252(uint32_t codePoint);

// Decodes UTF-8 and writes each character in Windows-1252; a character the code page lacks, or
// a malformed sequence, becomes `replacement`.
std::string utf8ToCp1252(const char* bytes, size_t count, char replacement = '.');

std::string cp1252ToUtf8(const char* text);

unsigned char cp1252ToLower(unsigned char c);

} // namespace lang

#include "lang/Cp1252.h"

namespace lang {

namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the code page equals Latin-1.
const uint16_t highControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Reads one UTF-8 sequence at `bytes[i]`, advancing i; returns false for a malformed one.
bool decodeUtf8(const unsigned char* bytes, size_t count, size_t& i, uint32_t& codePoint)
{
    const unsigned char lead = bytes[i++];
    if (lead < 0x80) {
        codePoint = lead;
        return true;
    }
    int continuations;
    if ((lead & 0xE0) == 0xC0) {
        continuations = 1;
        codePoint = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        continuations = 2;
        codePoint = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        continuations = 3;
        codePoint = lead & 0x07;
    } else {
        return false;
    }
    for (int k = 0; k < continuations; ++k) {
        if (i >= count || (bytes[i] & 0xC0) != 0x80)
            return false;
        codePoint = (codePoint << 6) | (bytes[i++] & 0x3F);
    }
    // Overlong forms, UTF-16 surrogates and values past Unicode are malformed too.
    static const uint32_t smallestOfLength[4] = {0, 0x80, 0x800, 0x10000};
    return codePoint >= smallestOfLength[continuations] && codePoint <= 0x10FFFF
        && (codePoint < 0xD800 || codePoint > 0xDFFF);
}

void appendUtf8(std::string& out, uint32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

} // namespace

uint32_t cp1252ToUnicode(unsigned char c)
{
    if (c >= 0x80 && c < 0xA0)
        return highControls[c - 0x80];
    return c;
}

int unicodeToCp1252(uint32_t codePoint)
{
    if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
        return static_cast<int>(codePoint);
    for (int i = 0; i < 32; ++i) {
        if (highControls[i] == codePoint)
            return 0x80 + i;
    }
    return -1;
}

std::string utf8ToCp1252(const char* bytes, size_t count, char replacement)
{
    std::string out;
    out.reserve(count);
    const auto* data = reinterpret_cast<const unsigned char*>(bytes);
    size_t i = 0;
    while (i < count) {
        uint32_t codePoint = 0;
        const int converted = decodeUtf8(data, count, i, codePoint) ? unicodeToCp1252(codePoint) : -1;
        out += converted >= 0 ? static_cast<char>(converted) : replacement;
    }
    return out;
}

std::string cp1252ToUtf8(const char* text)
{
    std::string out;
    for (const char* p = text; p && *p; ++p)
        appendUtf8(out, cp1252ToUnicode(static_cast<unsigned char>(*p)));
    return out;
}

unsigned char cp1252ToLower(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A: return 0x9A; // S caron
    case 0x8C: return 0x9C; // OE
    case 0x8E: return 0x9E; // Z caron
    case 0x9F: return 0xFF; // Y diaeresis
    default: return c;
    }
}

} // namespace lang

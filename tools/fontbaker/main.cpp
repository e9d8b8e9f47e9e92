// kipto2-fontbaker: bakes a bitmap font for the text sprites from an outline font.
//   kipto2-fontbaker FONT SIZE PREFIX [--color RRGGBB] [--outline WIDTH RRGGBB]
//                    [--shadow DROP AARRGGBB] [--extra-advance N]
// writes PREFIX.png (the glyph sheet, with alpha) and PREFIX_m.png (the metrics picture).
#include "Decor.h"
#include "FontBaker.h"
#include "FontSheet.h"
#include "Png.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <string>

namespace {

const char Usage[] =
    "usage: kipto2-fontbaker FONT SIZE PREFIX [--color RRGGBB] [--outline WIDTH RRGGBB]\n"
    "                        [--shadow DROP AARRGGBB] [--extra-advance N]\n"
    "Writes PREFIX.png, the glyph sheet of the Windows-1252 characters, and PREFIX_m.png, the\n"
    "metrics picture whose pixels are six integers per glyph.\n";

// A colour of six (RRGGBB) or eight (AARRGGBB) hex digits; false for anything else.
bool parseColor(const std::string& text, contentgen::Color& color)
{
    if (text.size() != 6 && text.size() != 8)
        return false;
    char* end = nullptr;
    const unsigned long value = std::strtoul(text.c_str(), &end, 16);
    if (*end != '\0')
        return false;
    const float alpha = text.size() == 8 ? static_cast<float>(value >> 24 & 0xFF) / 255.0f : 1.0f;
    color = contentgen::Color::hex(static_cast<uint32_t>(value & 0xFFFFFF), alpha);
    return true;
}

bool parseNumber(const std::string& text, float& number)
{
    char* end = nullptr;
    number = std::strtof(text.c_str(), &end);
    return !text.empty() && *end == '\0' && number >= 0;
}

// Reads the options after the three fixed arguments into the look; false on a bad one.
bool parseOptions(int argc, char** argv, contentgen::TextLook& look, int& extraAdvance)
{
    for (int i = 4; i < argc; ++i) {
        const std::string option = argv[i];
        const int left = argc - i - 1;
        contentgen::Color color;
        float number = 0;
        if (option == "--color" && left >= 1 && parseColor(argv[i + 1], color)) {
            look.fill = contentgen::solid(color);
            i += 1;
        } else if (option == "--outline" && left >= 2 && parseNumber(argv[i + 1], number) && parseColor(argv[i + 2], color)) {
            look.outline = number;
            look.outlineColor = color;
            i += 2;
        } else if (option == "--shadow" && left >= 2 && parseNumber(argv[i + 1], number) && parseColor(argv[i + 2], color)) {
            look.shadow = number;
            look.shadowColor = color;
            i += 2;
        } else if (option == "--extra-advance" && left >= 1 && parseNumber(argv[i + 1], number)) {
            extraAdvance = static_cast<int>(number);
            i += 1;
        } else {
            return false;
        }
    }
    return true;
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

} // namespace

int main(int argc, char** argv)
{
    contentgen::TextLook look;
    int extraAdvance = 0;
    const int size = argc >= 4 ? std::atoi(argv[2]) : 0;
    if (argc < 4 || size < 1 || size > 512 || !parseOptions(argc, argv, look, extraAdvance)) {
        std::fputs(Usage, stderr);
        return 2;
    }
    const std::string prefix = argv[3];
    try {
        const contentgen::BakedFont font = contentgen::bakeFont(argv[1], size, look, extraAdvance);
        writeBytes(prefix + ".png", contentgen::encodePng(font.sheet));
        writeBytes(prefix + "_m.png", contentgen::encodePng(fontbaker::IntsPerGlyph, fontbaker::GlyphCount,
            fontbaker::metricsRgba(font.metrics)));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kipto2-fontbaker: %s\n", e.what());
        return 1;
    }
    return 0;
}

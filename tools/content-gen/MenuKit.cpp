#include "MenuKit.h"

#include "Png.h"
#include "SoundFile.h"
#include "Style.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>

namespace contentgen {

ItemList::ItemList(std::string dir, const std::string& listPath)
    : dir_(std::move(dir)), list_(listPath, std::ios::trunc)
{
    if (!list_)
        throw std::runtime_error("cannot write " + listPath);
}

void ItemList::picture(const std::string& name, const Picture& picture)
{
    const std::string path = dir_ + "/" + name + ".png";
    writePng(path, picture);
    list_ << name << "=" << path << "\n";
}

void ItemList::file(const std::string& name, const std::string& extension, const std::vector<uint8_t>& bytes)
{
    const std::string path = dir_ + "/" + name + extension;
    writeFile(path, bytes);
    list_ << name << "=" << path << "\n";
}

void ItemList::text(const std::string& name, const std::string& utf8)
{
    const std::string path = dir_ + "/" + name + ".txt";
    writeFile(path, Bytes(utf8.begin(), utf8.end()));
    list_ << "--text\n" << name << "=" << path << "\n";
}

void drawLine(Picture& target, const Font& font, const std::string& text, float x, int baseline,
    const TextLook& look, Align align)
{
    const int width = font.textWidth(text);
    const float left = align == Align::Centre ? x - width / 2.0f : align == Align::Right ? x - width : x;
    paintDecorated(
        target, font.textMask(text, target.width(), target.height(), int(std::lround(left)), baseline), look);
}

int drawParagraph(Picture& target, const Font& font, const std::string& text, float x, int top, int width,
    int lineHeight, const TextLook& look, Align align)
{
    int baseline = top + font.ascent();
    for (const std::string& line : wrapLines(font, text, width)) {
        drawLine(target, font, line, x, baseline, look, align);
        baseline += lineHeight;
    }
    return baseline - font.ascent();
}

TextLook outlinedLook(Color fill, Color outline, float width)
{
    TextLook look;
    look.fill = solid(fill);
    look.outline = width;
    look.outlineColor = outline;
    look.shadow = width * 0.8f;
    look.shadowColor = Color::hex(0x2B1A10, 0.4f);
    return look;
}

Picture titledRibbon(int width, int height, Color face, Color dark, const std::string& title, int fontSize)
{
    Picture out = ribbon(width, height, face, dark);
    const Font font(style::titleFont, fontSize);
    const int middle = (height - 8) / 2 + 3; // the ribbon's band sits a little above the middle
    drawLine(out, font, title, width / 2.0f, middle + (font.ascent() - font.descent()) / 2,
        outlinedLook(style::white, dark, 2.5f), Align::Centre);
    return out;
}

namespace {

Rgba sampleBilinear(const Picture& source, float x, float y)
{
    const float fx = x - 0.5f, fy = y - 0.5f;
    const int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
    const float tx = fx - x0, ty = fy - y0;
    auto at = [&](int px, int py) {
        return px < 0 || py < 0 || px >= source.width() || py >= source.height() ? Rgba{} : source.at(px, py);
    };
    const Rgba a = at(x0, y0), b = at(x0 + 1, y0), c = at(x0, y0 + 1), d = at(x0 + 1, y0 + 1);
    auto mix = [&](float pa, float pb, float pc, float pd) {
        return (pa * (1 - tx) + pb * tx) * (1 - ty) + (pc * (1 - tx) + pd * tx) * ty;
    };
    return {
        mix(a.r, b.r, c.r, d.r), mix(a.g, b.g, c.g, d.g), mix(a.b, b.b, c.b, d.b), mix(a.a, b.a, c.a, d.a)};
}

} // namespace

Picture transformed(const Picture& source, int width, int height, float pivotX, float pivotY, float atX,
    float atY, float scaleX, float scaleY, float degrees)
{
    Picture out(width, height);
    const float radians = degrees * 3.14159265f / 180.0f;
    const float c = std::cos(radians), s = std::sin(radians);
    const float sx = std::max(std::fabs(scaleX), 0.01f) * (scaleX < 0 ? -1.0f : 1.0f);
    const float sy = std::max(std::fabs(scaleY), 0.01f);
    // One sample per source pixel that lands in an output pixel, so that shrinking averages
    // instead of skipping; at full size the one sample at the pixel's middle keeps it sharp.
    const int columns = std::clamp(int(std::ceil(1.0f / std::fabs(sx))), 1, 6);
    const int rows = std::clamp(int(std::ceil(1.0f / sy)), 1, 6);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Rgba sum;
            for (int j = 0; j < rows; ++j)
                for (int i = 0; i < columns; ++i) {
                    const float dx = x + (i + 0.5f) / columns - atX, dy = y + (j + 0.5f) / rows - atY;
                    // Undo the turn, then the scale.
                    const float ux = (dx * c + dy * s) / sx, uy = (-dx * s + dy * c) / sy;
                    const Rgba p = sampleBilinear(source, pivotX + ux, pivotY + uy);
                    sum.r += p.r, sum.g += p.g, sum.b += p.b, sum.a += p.a;
                }
            const float n = float(columns * rows);
            out.ref(x, y) = {sum.r / n, sum.g / n, sum.b / n, sum.a / n};
        }
    return out;
}

namespace {

// Every pixel of `source` through `change` (premultiplied in, premultiplied out).
template <typename Change> Picture mapped(const Picture& source, Change change)
{
    Picture out(source.width(), source.height());
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x)
            out.ref(x, y) = change(source.at(x, y));
    return out;
}

} // namespace

Picture shaded(const Picture& source, float t)
{
    return mapped(source, [t](const Rgba& p) {
        const float target = t > 0 ? p.a : 0.0f, k = std::fabs(t);
        return Rgba{p.r + (target - p.r) * k, p.g + (target - p.g) * k, p.b + (target - p.b) * k, p.a};
    });
}

Picture withGlow(const Picture& source, Color color, float radius)
{
    Picture out(source.width(), source.height());
    out.fill(blurred(dilated(source.alpha(), radius * 0.5f), radius), solid(color));
    out.draw(source, 0, 0);
    return out;
}

} // namespace contentgen

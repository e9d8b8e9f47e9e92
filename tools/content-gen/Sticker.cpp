#include "Sticker.h"

#include "Style.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace contentgen {

Picture sticker(const Picture& emoji, int size, int art)
{
    const double scale = std::min(double(art) / emoji.width(), double(art) / emoji.height());
    const int w = std::max(1, int(std::lround(emoji.width() * scale)));
    const int h = std::max(1, int(std::lround(emoji.height() * scale)));
    const Picture small = resized(emoji, w, h);
    const int x = (size - w) / 2, y = (size - h) / 2 - 1;

    Picture placed(size, size);
    placed.draw(small, x, y);
    const Mask body = placed.alpha();
    const float rimWidth = std::max(1.0f, size / 28.0f);
    const Mask rim = dilated(body, rimWidth);

    Picture out(size, size);
    out.fill(blurred(shifted(rim, 0, std::max(1, size / 24)), size / 20.0f), solid(style::shadow));
    out.fill(rim, solid(style::white.withAlpha(0.95f)));
    out.draw(placed, 0, 0);
    return out;
}

Picture emojiSticker(const EmojiFont& font, uint32_t codepoint, int size, int art)
{
    const Picture emoji = font.emoji(codepoint);
    if (emoji.width() == 0)
        throw std::runtime_error("the emoji font has no picture for U+" + std::to_string(codepoint));
    return sticker(emoji, size, art);
}

} // namespace contentgen

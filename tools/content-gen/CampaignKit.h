// Drawing pieces shared by the campaign's pictures (calendar, upgrade screen, story board):
// painting inside a box (big pictures stay fast), limbs and pencil strokes, text that fits or
// wraps, five-state sheets, the town's characters, shop fronts and speech bubbles.
#pragma once

#include "Decor.h"
#include "Sticker.h"
#include "Text.h"

#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace contentgen {

// Writes pictures as PNG files and one "NAME=PATH" line per picture into the package list.
class PictureWriter {
public:
    PictureWriter(const std::string& dir, const std::string& listPath);
    void write(const std::string& name, const Picture& picture);

private:
    std::string dir_;
    std::ofstream list_;
};

struct Box {
    float left, top, right, bottom;
};

// The shape's coverage inside the box only, painted at the box's place.
void paintIn(Picture& target, const Box& box, const Shape& shape, const Paint& paint);
// A soft shadow of the shape, dropped straight down.
void shadowIn(Picture& target, const Box& box, const Shape& shape, float drop, float blur, Color color);
// A line of the given width along the shape's edge.
void strokeIn(Picture& target, const Box& box, const Shape& shape, float width, const Paint& paint);

// A segment with round ends: arms, legs, strings, pencil lines.
Shape capsule(float ax, float ay, float bx, float by, float radius);
// A round-ended line through the points.
Shape polyline(const std::vector<std::pair<float, float>>& points, float radius);
// The shape turned by `degrees` around (cx, cy).
Shape rotated(const Shape& shape, float cx, float cy, float degrees);

// The picture drawn `dy` pixels lower, the rows pushed out at the bottom dropped.
Picture lowered(const Picture& source, int dy);
// A plain emoji picture (no sticker rim) scaled to fit `size`.
Picture emojiPicture(const EmojiFont& emoji, uint32_t codepoint, int size);

enum class TextAlign { Left, Centre, Right };

// Text with its baseline at `baseline`, aligned on x.
void drawText(Picture& target, const Font& font, const std::string& text, float x, int baseline,
    TextAlign align, const TextLook& look);
// The largest size from `preferred` down whose text fits `width`.
int fittingSize(const std::string& fontPath, const std::string& text, int width, int preferred);
// Wrapped text from the first baseline down; returns the baseline after the last line.
int drawParagraph(Picture& target, const Font& font, const std::string& text, float x, int firstBaseline,
    int width, int lineHeight, TextAlign align, const TextLook& look);
// Wrapped text centred in the box, `margin` in from its sides, the lines centred as a block.
void drawCentredBlock(Picture& target, const Box& box, const Font& font, const std::string& text, int margin,
    int lineHeight, Color color);

// Five cells side by side, one per button state, each drawn by `cell`.
Picture stateSheet(const std::function<Picture(ButtonState)>& cell);

// A person of the town, drawn in the game's sticker style.
enum class HairStyle { Short, Bun, Cap, Long, Bald };
enum class Pose { Stand, Wave, Cheer, Point, Carry };
struct Person {
    Color skin = Color::hex(0xF4C7A1);
    Color hair = Color::hex(0x6B4226);
    HairStyle hairStyle = HairStyle::Short;
    Color shirt = Color::hex(0x48B4F0);
    Color apron = Color::hex(0xFF9F1C);
    bool wearsApron = true;
    Color trousers = Color::hex(0x4A5A8A);
    bool glasses = false;
};
// The hero of the story, whose summer the campaign tells.
Person kip();
// The person with feet at (x, feetY), `scale` 1 being 200 pixels tall; `mirror` faces left.
void drawPerson(
    Picture& target, const Person& person, float x, float feetY, float scale, Pose pose, bool mirror = false);

// A shop front: wall, striped awning, window of goods and a sign with the name.
struct ShopFront {
    Color wall = Color::hex(0xFCE9C8);
    Color awning = Color::hex(0xE8505B);
    std::string name;
    std::vector<uint32_t> goods; // emoji shown in the window
    bool lit = true; // a warm glow in the window
};
void drawShopFront(Picture& target, const EmojiFont& emoji, const ShopFront& shop, const Box& box);

// A white speech bubble with a tail pointing at (tipX, tipY) and the text inside.
void drawSpeechBubble(Picture& target, const Box& box, float tipX, float tipY, const Font& font,
    const std::string& text, int lineHeight);
// A cream caption card with wrapped story text.
void drawCaption(Picture& target, const Box& box, const Font& font, const std::string& text, int lineHeight);

// Sky, soft clouds and hills behind everything.
void drawSky(Picture& target, float horizon);
// Pavement and kerb from `top` down to the bottom of the picture.
void drawPavement(Picture& target, float top);

} // namespace contentgen

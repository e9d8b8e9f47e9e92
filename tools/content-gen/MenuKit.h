// The drawing kit of the menu screens, on top of the UI kit: the list of written items,
// text set in lines and paragraphs, titled ribbons, and
// pictures turned, scaled or greyed for animation sheets and button states.
#pragma once

#include "Decor.h"
#include "Text.h"

#include <fstream>
#include <string>
#include <vector>

namespace contentgen {

// Writes package items into a folder and their "NAME=PATH" lines into a list.
class ItemList {
public:
    ItemList(std::string dir, const std::string& listPath);

    void picture(const std::string& name, const Picture& picture);
    // Bytes as they are (a PNG made elsewhere, a table).
    void file(const std::string& name, const std::string& extension, const std::vector<uint8_t>& bytes);
    // A text item (UTF-8; the package stores it with a terminating zero).
    void text(const std::string& name, const std::string& utf8);

private:
    std::string dir_;
    std::ofstream list_;
};

enum class Align { Left, Centre, Right };

// One line with its baseline at `baseline`; x is the left end, the centre or the right end.
void drawLine(Picture& target, const Font& font, const std::string& text, float x, int baseline,
    const TextLook& look, Align align = Align::Left);
// A wrapped paragraph whose first baseline is `top` + the font's ascent; returns the y below it.
int drawParagraph(Picture& target, const Font& font, const std::string& text, float x, int top, int width,
    int lineHeight, const TextLook& look, Align align = Align::Left);

// Plain ink, or white with a dark outline, as the labels over panels and pictures use.
TextLook outlinedLook(Color fill, Color outline, float width);

// A title banner with its words on it.
Picture titledRibbon(int width, int height, Color face, Color dark, const std::string& title, int fontSize);

// `source` drawn into a width × height picture so that its point (pivotX, pivotY) lands on
// (atX, atY), scaled about that point, then turned by `degrees` clockwise.
Picture transformed(const Picture& source, int width, int height, float pivotX, float pivotY, float atX,
    float atY, float scaleX, float scaleY, float degrees);
// Every pixel's colour mixed toward white (t > 0) or black (t < 0).
Picture shaded(const Picture& source, float t);
// A soft glow of `color` around the picture's shape.
Picture withGlow(const Picture& source, Color color, float radius);

} // namespace contentgen

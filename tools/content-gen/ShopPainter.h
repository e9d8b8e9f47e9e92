// Painting large scenes (the shop backgrounds) with the drawing kit: every shape is
// rasterised only inside the box it is given, so that a scene of a few hundred shapes stays
// quick, and a few pattern paints (stripes, dots, tiles, bricks, planks) for walls and floors.
#pragma once

#include "Decor.h"
#include "Raster.h"
#include "Text.h"

#include <string>

namespace contentgen {

// A picture with the package item name it is stored under.
struct NamedPicture {
    std::string name;
    Picture picture;
};

struct Box {
    float x = 0, y = 0, w = 0, h = 0;
    float right() const { return x + w; }
    float bottom() const { return y + h; }
    Box grown(float by) const { return {x - by, y - by, w + 2 * by, h + 2 * by}; }
};

class Painter {
public:
    explicit Painter(Picture& target) : target_(target) { }

    Picture& target() { return target_; }

    // The shape's coverage inside `box` (in picture coordinates), painted with `paint`.
    void fill(const Shape& shape, const Box& box, const Paint& paint);
    // A soft shadow of the shape, dropped by `dy`.
    void shadow(const Shape& shape, const Box& box, float blur, float dy, Color color);
    // A line of `width` along the shape's edge.
    void stroke(const Shape& shape, const Box& box, float width, const Paint& paint);
    // A rounded rectangle with a darker rim, the house look of wooden and painted parts.
    void panel(const Box& box, float radius, const Paint& face, Color rim, float rimWidth = 2);
    void picture(const Picture& picture, float x, float y, float opacity = 1.0f);
    // Text with its pen starting at x (alignment 0) or centred on x (1), on the baseline.
    void text(const Font& font, const std::string& utf8, float x, float baseline, int alignment,
        const TextLook& look);

private:
    Mask maskIn(const Shape& shape, int x0, int y0, int w, int h) const;

    Picture& target_;
};

// Whole-picture paints for walls and floors; each takes the base paint's colours per pixel.
Paint stripes(Color a, Color b, float width, bool vertical);
Paint polkaDots(Color ground, Color dot, float spacing, float radius);
Paint tiles(Color face, Color grout, float size, float groutWidth, float originX, float originY);
Paint checker(Color a, Color b, float size, float originX, float originY);
Paint bricks(Color brick, Color mortar, float width, float height, float originY);
// Horizontal boards with seams, each board a little lighter or darker than the next.
Paint planks(Color wood, Color seam, float boardHeight, float originY, bool vertical = false);
// A staggered lattice of small shapes (wallpaper): stars, flowers, diamonds or notes.
enum class Motif { Star, Flower, Diamond, Note };
Paint wallpaper(Color ground, Color motif, Motif kind, float spacing);

} // namespace contentgen

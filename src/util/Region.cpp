#include "util/Region.h"

#include <cstring>

namespace util {

namespace {

// Appends to `out` the pieces of `piece` that lie outside `hole`: at most a band above, a band
// below, and the parts left and right of the hole between them.
void subtract(const RectangleNM& piece, const RectangleNM& hole, std::vector<RectangleNM>& out)
{
    const RectangleNM overlap = piece.intersect(hole);
    if (overlap.isEmpty()) {
        out.push_back(piece);
        return;
    }
    const int32_t pieceRight = piece.x + piece.width;
    const int32_t pieceBottom = piece.y + piece.height;
    const int32_t overlapRight = overlap.x + overlap.width;
    const int32_t overlapBottom = overlap.y + overlap.height;
    if (overlap.y > piece.y)
        out.emplace_back(piece.x, piece.y, piece.width, overlap.y - piece.y);
    if (overlapBottom < pieceBottom)
        out.emplace_back(piece.x, overlapBottom, piece.width, pieceBottom - overlapBottom);
    if (overlap.x > piece.x)
        out.emplace_back(piece.x, overlap.y, overlap.x - piece.x, overlap.height);
    if (overlapRight < pieceRight)
        out.emplace_back(overlapRight, overlap.y, pieceRight - overlapRight, overlap.height);
}

} // namespace

void Region::add(int32_t x, int32_t y, int32_t width, int32_t height)
{
    add(RectangleNM(x, y, width, height));
}

void Region::add(const RectangleNM& rectangle)
{
    if (rectangle.isEmpty())
        return;
    // Only the pixels not yet in the region are added, so the parts never overlap.
    std::vector<RectangleNM> fresh{rectangle};
    std::vector<RectangleNM> remaining;
    for (const RectangleNM& part : parts) {
        remaining.clear();
        for (const RectangleNM& piece : fresh)
            subtract(piece, part, remaining);
        fresh.swap(remaining);
        if (fresh.empty())
            return;
    }
    parts.insert(parts.end(), fresh.begin(), fresh.end());
}

void Region::clear()
{
    parts.clear();
}

void Region::offset(int32_t dx, int32_t dy)
{
    for (RectangleNM& part : parts) {
        part.x += dx;
        part.y += dy;
    }
}

bool Region::intersects(const RectangleNM& rectangle) const
{
    if (rectangle.isEmpty())
        return false;
    for (const RectangleNM& part : parts) {
        if (!part.intersect(rectangle).isEmpty())
            return true;
    }
    return false;
}

RectangleNM Region::getBounds() const
{
    if (parts.empty())
        return RectangleNM();
    RectangleNM bounds = parts.front();
    for (const RectangleNM& part : parts)
        bounds = bounds.unionWith(part);
    return bounds;
}

bool Region::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Region") == 0 || Object::isInstanceOf(className);
}

} // namespace util

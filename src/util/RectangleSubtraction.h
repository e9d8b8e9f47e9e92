// The pieces of a rectangle that lie outside a hole: at most a band above, a band below, and the
// parts left and right of the hole between them, in that order. For any rectangle type with x,
// y, width, height, intersect() and isEmpty(): the regions' util::RectangleNM and the plain
// window::PixelRect of the software targets' clip.
#pragma once

#include <cstdint>
#include <vector>

namespace util {

template <class Rect> void subtractRectangle(const Rect& piece, const Rect& hole, std::vector<Rect>& out)
{
    const Rect overlap = piece.intersect(hole);
    if (overlap.isEmpty()) {
        out.push_back(piece);
        return;
    }
    const int32_t pieceRight = piece.x + piece.width;
    const int32_t pieceBottom = piece.y + piece.height;
    const int32_t overlapRight = overlap.x + overlap.width;
    const int32_t overlapBottom = overlap.y + overlap.height;
    if (overlap.y > piece.y)
        out.push_back(Rect{piece.x, piece.y, piece.width, overlap.y - piece.y});
    if (overlapBottom < pieceBottom)
        out.push_back(Rect{piece.x, overlapBottom, piece.width, pieceBottom - overlapBottom});
    if (overlap.x > piece.x)
        out.push_back(Rect{piece.x, overlap.y, overlap.x - piece.x, overlap.height});
    if (overlapRight < pieceRight)
        out.push_back(Rect{overlapRight, overlap.y, pieceRight - overlapRight, overlap.height});
}

} // namespace util

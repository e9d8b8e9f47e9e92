// GIF87a and GIF89a: the logical screen, colour tables, the graphic control and NETSCAPE2.0
// extensions, and the first image with its LZW data (codes up to 12 bits), interlaced or not.
#include "window/image/ImageDecoder.h"

#include <array>
#include <cstring>
#include <vector>

namespace window {

namespace {

// Reads the data front to back; any read past the end marks the reader failed.
class ByteReader {
public:
    ByteReader(const uint8_t* bytes, size_t length) : bytes(bytes), length(length) {}

    int byte()
    {
        if (position >= length) {
            failed = true;
            return 0;
        }
        return bytes[position++];
    }
    int word()
    {
        const int low = byte();
        return low | byte() << 8;
    }
    const uint8_t* take(size_t count)
    {
        if (length - position < count) {
            failed = true;
            position = length;
            return nullptr;
        }
        const uint8_t* start = bytes + position;
        position += count;
        return start;
    }
    bool hasFailed() const { return failed; }

private:
    const uint8_t* bytes;
    size_t length;
    size_t position = 0;
    bool failed = false;
};

using Palette = std::array<uint32_t, 256>;

void readColourTable(ByteReader& in, int entries, Palette& palette)
{
    const uint8_t* rgb = in.take(static_cast<size_t>(entries) * 3);
    if (rgb == nullptr)
        return;
    for (int i = 0; i < entries; ++i, rgb += 3)
        palette[i] = 0xFF000000u | uint32_t{rgb[0]} << 16 | uint32_t{rgb[1]} << 8 | rgb[2];
}

// Gives the bits of the image data, which arrives in sub-blocks of up to 255 bytes ended by an
// empty one; codes are packed least significant bit first.
class SubBlockBits {
public:
    explicit SubBlockBits(ByteReader& in) : in(in) {}

    // The next code of `size` bits, or -1 when the data ends first.
    int code(int size)
    {
        while (bitCount < size) {
            if (blockLeft == 0) {
                if (ended)
                    return -1;
                blockLeft = in.byte();
                if (in.hasFailed() || blockLeft == 0) {
                    ended = true;
                    return -1;
                }
            }
            bits |= static_cast<uint32_t>(in.byte()) << bitCount;
            if (in.hasFailed())
                return -1;
            bitCount += 8;
            --blockLeft;
        }
        const int value = static_cast<int>(bits & ((1u << size) - 1));
        bits >>= size;
        bitCount -= size;
        return value;
    }

    // Skips what is left of the data up to its empty sub-block.
    void finish()
    {
        while (!ended) {
            if (blockLeft == 0) {
                blockLeft = in.byte();
                if (in.hasFailed() || blockLeft == 0)
                    ended = true;
            } else {
                in.take(static_cast<size_t>(blockLeft));
                blockLeft = 0;
                if (in.hasFailed())
                    ended = true;
            }
        }
    }

private:
    ByteReader& in;
    uint32_t bits = 0;
    int bitCount = 0;
    int blockLeft = 0;
    bool ended = false;
};

// Places the colour indices of the image, in the order the data gives them, into the frame of
// the logical screen: row by row or in the four interlace passes, clipped to the screen.
class FrameWriter {
public:
    FrameWriter(std::vector<uint8_t>& frame, int screenWidth, int screenHeight, int left, int top,
        int width, int height, bool interlaced)
        : frame(frame), screenWidth(screenWidth), screenHeight(screenHeight), left(left), top(top),
          width(width), height(height), interlaced(interlaced)
    {
        startRow();
    }

    bool isComplete() const { return rowsDone >= height || width == 0; }

    void put(uint8_t index)
    {
        if (isComplete())
            return;
        const int x = left + column;
        if (rowVisible && x < screenWidth)
            frame[static_cast<size_t>(screenRow) * screenWidth + x] = index;
        if (++column == width) {
            column = 0;
            ++rowsDone;
            startRow();
        }
    }

private:
    // The image row that the n-th row of the data fills.
    int imageRow(int n) const
    {
        if (!interlaced)
            return n;
        static const int starts[4] = {0, 4, 2, 1};
        static const int steps[4] = {8, 8, 4, 2};
        for (int pass = 0; pass < 4; ++pass) {
            const int rowsInPass = height > starts[pass] ? (height - starts[pass] + steps[pass] - 1) / steps[pass] : 0;
            if (n < rowsInPass)
                return starts[pass] + n * steps[pass];
            n -= rowsInPass;
        }
        return height;
    }

    void startRow()
    {
        screenRow = top + imageRow(rowsDone);
        rowVisible = rowsDone < height && screenRow < screenHeight;
    }

    std::vector<uint8_t>& frame;
    int screenWidth, screenHeight, left, top, width, height;
    bool interlaced;
    int column = 0;
    int rowsDone = 0;
    int screenRow = 0;
    bool rowVisible = false;
};

constexpr int kMaxCodes = 4096;

// Decodes the LZW data into the writer. False when a code is out of range or the data ends
// before the image is complete.
bool decodeLzw(ByteReader& in, FrameWriter& out)
{
    const int minCodeSize = in.byte();
    if (in.hasFailed() || minCodeSize < 1 || minCodeSize > 8)
        return false;
    const int clearCode = 1 << minCodeSize;
    const int endCode = clearCode + 1;

    // Entry k is the string of entry prefix[k] followed by suffix[k].
    std::vector<uint16_t> prefix(kMaxCodes);
    std::vector<uint8_t> suffix(kMaxCodes), first(kMaxCodes);
    std::vector<uint16_t> lengthOf(kMaxCodes);
    for (int k = 0; k < clearCode; ++k) {
        suffix[k] = first[k] = static_cast<uint8_t>(k);
        lengthOf[k] = 1;
    }
    std::vector<uint8_t> string(kMaxCodes);

    SubBlockBits bits(in);
    int codeSize = minCodeSize + 1;
    int next = clearCode + 2;
    int previous = -1;
    while (!out.isComplete()) {
        const int code = bits.code(codeSize);
        if (code < 0)
            return false;
        if (code == clearCode) {
            codeSize = minCodeSize + 1;
            next = clearCode + 2;
            previous = -1;
            continue;
        }
        if (code == endCode)
            break;
        int emitted;
        if (previous < 0) {
            if (code >= clearCode)
                return false;
            emitted = code;
        } else if (code < next) {
            emitted = code;
            if (next < kMaxCodes) {
                prefix[next] = static_cast<uint16_t>(previous);
                suffix[next] = first[code];
                first[next] = first[previous];
                lengthOf[next] = static_cast<uint16_t>(lengthOf[previous] + 1);
                ++next;
            }
        } else if (code == next && next < kMaxCodes) {
            prefix[next] = static_cast<uint16_t>(previous);
            suffix[next] = first[previous];
            first[next] = first[previous];
            lengthOf[next] = static_cast<uint16_t>(lengthOf[previous] + 1);
            emitted = next++;
        } else {
            return false;
        }
        // Codes are assigned in order, so a string is never longer than the table.
        const int length = lengthOf[emitted];
        int k = emitted;
        for (int i = length - 1; i >= 0; --i) {
            string[i] = suffix[k];
            k = prefix[k];
        }
        for (int i = 0; i < length; ++i)
            out.put(string[i]);
        previous = code;
        if (next == (1 << codeSize) && codeSize < 12)
            ++codeSize;
    }
    bits.finish();
    return out.isComplete();
}

} // namespace

bool decodeGif(const uint8_t* bytes, size_t length, bool headerOnly, DecodedImage& out)
{
    ByteReader in(bytes, length);
    in.take(6); // "GIF87a" or "GIF89a", checked by the caller
    const int screenWidth = in.word();
    const int screenHeight = in.word();
    const int screenFlags = in.byte();
    in.byte(); // background colour
    in.byte(); // pixel aspect ratio
    if (in.hasFailed() || !isSaneImageSize(screenWidth, screenHeight))
        return false;
    out.width = screenWidth;
    out.height = screenHeight;
    if (headerOnly)
        return true;

    Palette globalTable;
    globalTable.fill(0xFF000000u);
    if (screenFlags & 0x80)
        readColourTable(in, 2 << (screenFlags & 7), globalTable);

    int transparentIndex = -1;
    while (!in.hasFailed()) {
        const int block = in.byte();
        if (in.hasFailed())
            break;
        if (block == 0)
            continue;
        if (block == 0x21) {
            const int label = in.byte();
            bool firstSubBlock = true;
            for (int size = in.byte(); size > 0 && !in.hasFailed(); size = in.byte()) {
                const uint8_t* data = in.take(static_cast<size_t>(size));
                if (data == nullptr)
                    break;
                if (firstSubBlock && label == 0xFF && size == 11 && std::memcmp(data, "NETSCAPE2.0", 11) == 0)
                    out.looping = true;
                if (firstSubBlock && label == 0xF9 && size >= 4 && (data[0] & 1))
                    transparentIndex = data[3];
                firstSubBlock = false;
            }
            continue;
        }
        if (block != 0x2C)
            break;

        const int left = in.word();
        const int top = in.word();
        const int width = in.word();
        const int height = in.word();
        const int imageFlags = in.byte();
        if (in.hasFailed() || (width > 0 && height > 0 && !isSaneImageSize(width, height)))
            return false;
        Palette table = globalTable;
        if (imageFlags & 0x80) {
            table.fill(0xFF000000u);
            readColourTable(in, 2 << (imageFlags & 7), table);
        }
        if (transparentIndex >= 0)
            table[transparentIndex] = 0;

        // What the image does not cover shows the transparent colour, or colour 0.
        std::vector<uint8_t> frame(static_cast<size_t>(screenWidth) * screenHeight,
            static_cast<uint8_t>(transparentIndex >= 0 ? transparentIndex : 0));
        FrameWriter writer(frame, screenWidth, screenHeight, left, top, width, height, (imageFlags & 0x40) != 0);
        if (!decodeLzw(in, writer))
            return false;

        out.pixels.reset(new uint32_t[frame.size()]);
        for (size_t i = 0; i < frame.size(); ++i)
            out.pixels[i] = table[frame[i]];
        out.hasAlpha = transparentIndex >= 0;
        return true;
    }
    return false;
}

} // namespace window

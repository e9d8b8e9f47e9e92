// The layout of an image bundle file, shared by the loader and the bundle writer tool.
// All integers are 32-bit big-endian:
//   count of pictures (at least 1), total size of the file (at most MaxTotalBytes and at
//   least 4 x count), then per picture: data length L, name field length n (one byte), n bytes
//   of name ending in a zero byte, and L bytes of a picture file, each byte XOR Key.
#pragma once

#include <cstdint>

namespace sprite::bundle {

constexpr uint8_t Key = 0x5A;
constexpr uint32_t MaxTotalBytes = 10000000;
constexpr uint32_t HeaderBytes = 8;

} // namespace sprite::bundle

// The directory of a package file, read in file order, without trusting it.
//
// Layout, little-endian: a 4-byte word (not interpreted), header size S, S header bytes, entry
// count N (signed; 0 or less means none), then N entries of (name length L: 1 byte, L name
// bytes, offset: 4, size: 4). Item bytes lie wherever the entries say.
#pragma once

#include "io/InputStream.h"
#include "lang/String.h"

#include <cstdint>
#include <vector>

namespace lang {

struct PackageEntry {
    String name;
    uint32_t offset = 0;
    uint32_t size = 0;

    // Whether the item's bytes lie inside a file of `fileSize` bytes and its size fits a
    // signed 32-bit count.
    bool fitsIn(int64_t fileSize) const;
};

struct PackageDirectory {
    std::vector<uint8_t> headerBlock;
    std::vector<PackageEntry> entries;
};

// Reads a package directory from the start of `in`, a stream of `fileSize` bytes. False when the
// stream is too short for the header and entry count (it is no package). A directory that is cut
// short, or claims more entries than the file holds, ends with its last whole entry.
bool readPackageDirectory(io::InputStream& in, int64_t fileSize, PackageDirectory& directory);

} // namespace lang

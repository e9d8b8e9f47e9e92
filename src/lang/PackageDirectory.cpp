#include "lang/PackageDirectory.h"

#include <climits>

namespace lang {

namespace {

bool readExactly(io::InputStream& in, uint8_t* buffer, int32_t length)
{
    return length == 0 || in.read(buffer, 0, length) == length;
}

bool readUint32(io::InputStream& in, uint32_t& value)
{
    uint8_t bytes[4];
    if (!readExactly(in, bytes, 4))
        return false;
    value = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
    return true;
}

bool readEntry(io::InputStream& in, PackageEntry& entry)
{
    uint8_t nameLength = 0;
    uint8_t name[255];
    if (!readExactly(in, &nameLength, 1) || !readExactly(in, name, nameLength) || !readUint32(in, entry.offset)
        || !readUint32(in, entry.size))
        return false;
    entry.name = String(reinterpret_cast<const char*>(name), 0, nameLength);
    return true;
}

} // namespace

bool PackageEntry::fitsIn(int64_t fileSize) const
{
    return size <= INT32_MAX && static_cast<int64_t>(offset) + size <= fileSize;
}

bool readPackageDirectory(io::InputStream& in, int64_t fileSize, PackageDirectory& directory)
{
    uint32_t firstWord = 0;
    uint32_t headerSize = 0;
    uint32_t entryCount = 0;
    // The header block can be no larger than the file around it.
    if (!readUint32(in, firstWord) || !readUint32(in, headerSize) || headerSize > INT32_MAX
        || static_cast<int64_t>(headerSize) > fileSize - 12)
        return false;
    directory.headerBlock.resize(headerSize);
    if (!readExactly(in, directory.headerBlock.data(), static_cast<int32_t>(headerSize))
        || !readUint32(in, entryCount))
        return false;
    directory.entries.clear();
    PackageEntry entry;
    for (int32_t i = 0; i < static_cast<int32_t>(entryCount) && readEntry(in, entry); ++i)
        directory.entries.push_back(entry);
    return true;
}

} // namespace lang

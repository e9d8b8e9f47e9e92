// An open package file: its stream, stays open for the package's life, its header block and
// its directory from item name to FileItem.
//
// Layout, little-endian: a 4-byte word (ignored), header size S, S header bytes, entry count N,
// then N entries of (name length L: 1 byte, L name bytes, offset: 4, size: 4).
// Entries whose bytes lie outside the file are left out of the directory.
#pragma once

#include "lang/Ref.h"
#include "lang/ResourceItem.h"
#include "lang/String.h"

#include <vector>

namespace io {
class FileInputStream;
}
namespace util {
class Hashtable;
}

namespace lang {

class ResourceFileHeader : public Object {
public:
    // Throws "Error Opening " + path when the file cannot be opened or is not a package.
    explicit ResourceFileHeader(const String& path);
    ~ResourceFileHeader() override;

    // The item, with a reference for the caller, or null. With `keep` the bytes are loaded once
    // and shared by every later request; without it the caller gets a private copy.
    ResourceItem* getItem(const String& name, bool keep);

    const std::vector<uint8_t>& getHeaderBlock() const { return headerBlock; }
    int32_t getItemCount() const;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ResourceFileHeader"; }

private:
    void readDirectory(const String& path);
    bool loadInto(FileItem& item);

    Ref<io::FileInputStream> stream;
    std::vector<uint8_t> headerBlock;
    Ref<util::Hashtable> directory;
    int64_t fileSize = 0;
};

} // namespace lang

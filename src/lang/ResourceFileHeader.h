// An open package file: its stream, open for the package's whole life, its header block and its
// directory from item name to FileItem (format in lang/PackageDirectory.h). Entries whose bytes
// would lie outside the file are left out of the directory, so a corrupt package never makes a
// lookup read past its end.
#pragma once

#include "lang/Ref.h"
#include "lang/ResourceItem.h"
#include "lang/String.h"

#include <vector>

namespace io {
class InputStream;
}
namespace util {
class Hashtable;
}

namespace lang {

class ResourceFileHeader : public Object {
public:
    // Throws "Error Opening " + path when the file cannot be opened or is not a package.
    explicit ResourceFileHeader(const String& path);
    // A package held in any stream of `size` bytes (adds a reference to the stream); throws
    // "Error Opening " when it is not a package.
    ResourceFileHeader(io::InputStream* stream, int64_t size);
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
    bool seekTo(uint32_t offset);
    bool loadInto(FileItem& item);

    Ref<io::InputStream> stream;
    int64_t fileSize = 0;
    std::vector<uint8_t> headerBlock;
    Ref<util::Hashtable> directory;
};

} // namespace lang

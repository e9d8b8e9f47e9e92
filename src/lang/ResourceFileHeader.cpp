#include "lang/ResourceFileHeader.h"

#include "io/FileInputStream.h"
#include "lang/Exception.h"
#include "lang/PackageDirectory.h"
#include "lang/SyncGuard.h"
#include "util/Hashtable.h"

#include <climits>
#include <cstring>

namespace lang {

ResourceFileHeader::ResourceFileHeader(const String& path) : directory(adopt(new util::Hashtable()))
{
    Ref<io::FileInputStream> file = adopt(new io::FileInputStream(path));
    fileSize = file->size();
    stream = file;
    readDirectory(path);
}

ResourceFileHeader::ResourceFileHeader(io::InputStream* source, int64_t size)
    : stream(retain(source)), fileSize(size), directory(adopt(new util::Hashtable()))
{
    readDirectory(String(""));
}

ResourceFileHeader::~ResourceFileHeader() = default;

void ResourceFileHeader::readDirectory(const String& path)
{
    PackageDirectory read;
    if (!readPackageDirectory(*stream, fileSize, read))
        throw new Exception(String("Error Opening ") + path);
    headerBlock = std::move(read.headerBlock);
    // Later entries shadow earlier ones of the same name.
    for (const PackageEntry& entry : read.entries) {
        if (!entry.fitsIn(fileSize))
            continue;
        Ref<FileItem> item = adopt(new FileItem(entry.size, entry.offset));
        directory->put(entry.name, item.get());
    }
}

int32_t ResourceFileHeader::getItemCount() const
{
    return directory->size();
}

bool ResourceFileHeader::seekTo(uint32_t offset)
{
    stream->reset();
    for (uint32_t left = offset; left > 0;) {
        const int32_t step = static_cast<int32_t>(left < INT32_MAX ? left : INT32_MAX);
        if (stream->skip(step) != step)
            return false;
        left -= static_cast<uint32_t>(step);
    }
    return true;
}

bool ResourceFileHeader::loadInto(FileItem& item)
{
    // One spare zero byte after the item, so that a text item without its terminator still
    // ends in one.
    auto bytes = std::make_unique<uint8_t[]>(static_cast<size_t>(item.getSize()) + 1);
    if (!seekTo(item.getOffset()))
        return false;
    if (item.getSize() > 0 && stream->read(bytes.get(), 0, item.getSize()) != item.getSize())
        return false;
    item.setData(std::move(bytes));
    return true;
}

ResourceItem* ResourceFileHeader::getItem(const String& name, bool keep)
{
    // One request at a time: a seek and its read must not interleave with another's.
    SyncGuard guard(*this);
    auto* entry = static_cast<FileItem*>(directory->get(name));
    if (!entry)
        return nullptr;
    if (entry->isLoaded() || (keep && loadInto(*entry))) {
        entry->addRef();
        return entry;
    }
    if (keep)
        return nullptr;
    Ref<FileItem> copy = adopt(new FileItem(static_cast<uint32_t>(entry->getSize()), entry->getOffset()));
    return loadInto(*copy) ? copy.detach() : nullptr;
}

bool ResourceFileHeader::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ResourceFileHeader") == 0 || Object::isInstanceOf(className);
}

} // namespace lang

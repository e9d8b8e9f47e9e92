#include "lang/ResourceFileHeader.h"

#include "io/FileInputStream.h"
#include "lang/Exception.h"
#include "lang/SyncGuard.h"
#include "util/Hashtable.h"

#include <cstring>

namespace lang {

namespace {

bool readExactly(io::FileInputStream& stream, uint8_t* buffer, int32_t length)
{
    return stream.read(buffer, 0, length) == length;
}

bool readUint32(io::FileInputStream& stream, uint32_t& value)
{
    uint8_t bytes[4];
    if (!readExactly(stream, bytes, 4))
        return false;
    value = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (static_cast<uint32_t>(bytes[3]) << 24);
    return true;
}

} // namespace

ResourceFileHeader::ResourceFileHeader(const String& path)
    : stream(adopt(new io::FileInputStream(path))), directory(adopt(new util::Hashtable()))
{
    readDirectory(path);
}

ResourceFileHeader::~ResourceFileHeader() = default;

void ResourceFileHeader::readDirectory(const String& path)
{
    fileSize = stream->size();
    uint32_t firstWord = 0;
    uint32_t headerSize = 0;
    if (!readUint32(*stream, firstWord) || !readUint32(*stream, headerSize)
        || headerSize > static_cast<uint64_t>(fileSize) - 8)
        throw new Exception(String("Error Opening ") + path);
    headerBlock.resize(headerSize);
    uint32_t entryCount = 0;
    if (!readExactly(*stream, headerBlock.data(), static_cast<int32_t>(headerSize))
        || !readUint32(*stream, entryCount))
        throw new Exception(String("Error Opening ") + path);

    // A cut directory ends where the file does; entries past the file's end are left out.
    for (int32_t i = 0; i < static_cast<int32_t>(entryCount); ++i) {
        const int32_t nameLength = stream->read();
        uint8_t name[256];
        uint32_t offset = 0;
        uint32_t size = 0;
        if (nameLength < 0 || !readExactly(*stream, name, nameLength) || !readUint32(*stream, offset)
            || !readUint32(*stream, size))
            break;
        if (static_cast<uint64_t>(offset) + size > static_cast<uint64_t>(fileSize))
            continue;
        Ref<FileItem> item = adopt(new FileItem(size, offset));
        directory->put(String(reinterpret_cast<const char*>(name), 0, nameLength), item.get());
    }
}

int32_t ResourceFileHeader::getItemCount() const
{
    return directory->size();
}

bool ResourceFileHeader::loadInto(FileItem& item)
{
    auto bytes = std::make_unique<uint8_t[]>(static_cast<size_t>(item.getSize()) + 1);
    if (!stream->seek(item.getOffset()) || !readExactly(*stream, bytes.get(), item.getSize()))
        return false;
    item.setData(std::move(bytes));
    return true;
}

ResourceItem* ResourceFileHeader::getItem(const String& name, bool keep)
{
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

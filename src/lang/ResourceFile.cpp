#include "lang/ResourceFile.h"

#include "lang/Cp1252.h"
#include "lang/FileSearch.h"

#include <cstring>

namespace lang {

namespace {

// The first package of the chain; set up at start-up, cleared at the end of the run.
Ref<ResourceFile> defaultPackage;

} // namespace

ResourceFile::ResourceFile(const String& name)
{
    if (name.endsWith(".dll") || name.endsWith(".DLL"))
        return;
    filePackage = true;
    header = adopt(new ResourceFileHeader(findFile(name)));
}

ResourceFile::~ResourceFile() = default;

void ResourceFile::add(const String& name)
{
    Ref<ResourceFile> package = adopt(new ResourceFile(name));
    if (!defaultPackage) {
        defaultPackage = package;
        return;
    }
    ResourceFile* last = defaultPackage.get();
    while (last->next)
        last = last->next.get();
    last->next = package;
}

ResourceFile* ResourceFile::getDefault()
{
    return defaultPackage.get();
}

void ResourceFile::closeAll()
{
    defaultPackage.reset();
}

ResourceItem* ResourceFile::getItem(const String& name, bool keep)
{
    for (ResourceFile* package = this; package; package = package->next.get()) {
        if (package->filePackage && package->header)
            return package->header->getItem(name, keep);
    }
    return nullptr;
}

String ResourceFile::loadText(const String& name)
{
    ResourceFile* package = getDefault();
    if (!package)
        return String("");
    Ref<ResourceItem> item = adopt(package->getItem(name, true));
    if (!item || item->getSize() <= 0)
        return String("");
    const char* bytes = reinterpret_cast<const char*>(item->getData());
    const int32_t size = item->getSize();
    bool ascii = true;
    for (int32_t i = 0; i < size && ascii; ++i)
        ascii = static_cast<unsigned char>(bytes[i]) < 128;
    if (ascii)
        return String(bytes, 0, size - 1);
    const size_t textLength = strnlen(bytes, static_cast<size_t>(size));
    return String(utf8ToCp1252(bytes, textLength).c_str());
}

bool ResourceFile::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ResourceFile") == 0 || Object::isInstanceOf(className);
}

} // namespace lang

// Feeds arbitrary bytes to the package reader as a package file: the open must either fail with
// an exception or give a directory whose every item loads (or is refused) without reading
// outside the bytes.
#include "io/ByteArrayInputStream.h"
#include "lang/Exception.h"
#include "lang/PackageDirectory.h"
#include "lang/Ref.h"
#include "lang/ResourceFileHeader.h"

#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace lang;
    const int32_t count = static_cast<int32_t>(size > INT32_MAX ? INT32_MAX : size);
    Ref<io::ByteArrayInputStream> stream = adopt(new io::ByteArrayInputStream(data, count));
    PackageDirectory directory;
    if (!readPackageDirectory(*stream, count, directory))
        return 0;
    stream->reset();
    try {
        Ref<ResourceFileHeader> header = adopt(new ResourceFileHeader(stream.get(), count));
        for (const PackageEntry& entry : directory.entries) {
            for (const bool keep : {false, true}) {
                Ref<ResourceItem> item = adopt(header->getItem(entry.name, keep));
                if (!item)
                    continue;
                // An item that loads lies inside the input, byte for byte.
                const auto* file = static_cast<const FileItem*>(item.get());
                if (static_cast<int64_t>(file->getOffset()) + file->getSize() > count
                    || std::memcmp(file->getData(), data + file->getOffset(), static_cast<size_t>(file->getSize())) != 0)
                    std::abort();
            }
        }
    } catch (Exception* e) {
        e->release();
    }
    return 0;
}

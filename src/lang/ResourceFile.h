// A chain of open resource packages. The first one added is the default package that every
// "+name" lookup of the program searches. A name ending in ".dll" or ".DLL" would be a module
// package; this platform loads no modules, so such a package answers no lookups and the search
// passes on to the next package.
#pragma once

#include "lang/Ref.h"
#include "lang/ResourceFileHeader.h"
#include "lang/String.h"

namespace lang {

class ResourceFile : public Object {
public:
    // Throws "Error Opening " + path when a file package cannot be found or read.
    explicit ResourceFile(const String& name);
    ~ResourceFile() override;

    // Opens a package: the first becomes the default, later ones join the end of the chain.
    static void add(const String& name);
    static ResourceFile* getDefault();
    // Closes the whole chain (the end of the run).
    static void closeAll();

    // Searches the chain from this package on; the caller releases the item. A file package
    // answers for the whole chain, found or not.
    ResourceItem* getItem(const String& name, bool keep);

    // The text of an item of the default package, converted from UTF-8 to Windows-1252 when it
    // holds bytes of 128 or more; empty when there is no such item.
    static String loadText(const String& name);

    ResourceFileHeader* getHeader() const { return header.get(); }
    bool isFilePackage() const { return filePackage; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ResourceFile"; }

private:
    Ref<ResourceFileHeader> header;
    bool filePackage = false;
    Ref<ResourceFile> next;
};

} // namespace lang

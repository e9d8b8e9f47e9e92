// One item of a resource package: a run of bytes. FileItem is a piece of a package file (its
// bytes are owned and loaded on request); DLLItem is a resource of a loaded module (borrowed).
#pragma once

#include "lang/Object.h"

#include <cstdint>
#include <memory>

namespace lang {

class ResourceItem : public Object {
public:
    // The first byte; valid as long as the caller holds the item.
    virtual const uint8_t* getData() const = 0;
    virtual int32_t getSize() const = 0;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ResourceItem"; }
};

class FileItem : public ResourceItem {
public:
    FileItem(uint32_t size, uint32_t offset) : size(size), offset(offset) {}

    const uint8_t* getData() const override { return data.get(); }
    int32_t getSize() const override { return static_cast<int32_t>(size); }
    uint32_t getOffset() const { return offset; }
    bool isLoaded() const { return data != nullptr; }
    // Takes ownership of the item's bytes.
    void setData(std::unique_ptr<uint8_t[]> bytes) { data = std::move(bytes); }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "FileItem"; }

private:
    std::unique_ptr<uint8_t[]> data;
    uint32_t size;
    uint32_t offset;
};

class DLLItem : public ResourceItem {
public:
    DLLItem(const uint8_t* data, int32_t size) : data(data), size(size) {}

    const uint8_t* getData() const override { return data; }
    int32_t getSize() const override { return size; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "DLLItem"; }

private:
    const uint8_t* data;
    int32_t size;
};

} // namespace lang

// The pictures a sprite receives from its sprite table entry, in table order. An element may
// be empty (an empty slot in the table). The array holds one reference on every picture and
// releases them when it is destroyed.
#pragma once

#include "lang/Array.h"
#include "window/image/ImageBase.h"

namespace window {

class ImageArray : public lang::ObjectArray {
public:
    explicit ImageArray(int32_t length = 0) : ObjectArray(length) {}
    ~ImageArray() override;
    ImageArray(const ImageArray&) = delete;
    ImageArray& operator=(const ImageArray&) = delete;

    // The picture at the index, borrowed; none for an empty slot or an index outside the array.
    ImageBase* imageAt(int32_t index) const;
    // Appends the picture (or an empty slot for none), adding a reference.
    void append(ImageBase* image);

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ImageArray"; }
};

} // namespace window

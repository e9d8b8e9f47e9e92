#include "window/image/ImageArray.h"

#include <cstring>

namespace window {

ImageArray::~ImageArray()
{
    for (int32_t i = 0; i < length(); ++i) {
        if ((*this)[i])
            (*this)[i]->release();
    }
}

ImageBase* ImageArray::imageAt(int32_t index) const
{
    if (index < 0 || index >= length())
        return nullptr;
    return static_cast<ImageBase*>((*this)[index]);
}

void ImageArray::append(ImageBase* image)
{
    if (image)
        image->addRef();
    int32_t at = length();
    resize(at + 1);
    (*this)[at] = image;
}

bool ImageArray::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ImageArray") == 0 || ObjectArray::isInstanceOf(className);
}

} // namespace window

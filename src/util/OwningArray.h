// An array of the class library that holds one reference on each element and releases them
// when it is destroyed: the texts and sounds that a sprite table produces, shared by reference
// between the loader and the canvas that takes them over.
#pragma once

#include "lang/Array.h"

namespace sprite {

template <class ArrayType>
class OwningArray : public ArrayType {
public:
    using ArrayType::ArrayType;
    ~OwningArray() override
    {
        for (int32_t i = 0; i < this->length(); ++i) {
            if ((*this)[i])
                (*this)[i]->release();
        }
    }
    OwningArray(const OwningArray&) = delete;
    OwningArray& operator=(const OwningArray&) = delete;
};

using OwningStringArray = OwningArray<lang::StringArray>;
using OwningObjectArray = OwningArray<lang::ObjectArray>;

} // namespace sprite

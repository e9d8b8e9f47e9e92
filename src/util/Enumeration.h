// Walks a sequence of objects once.
#pragma once

#include "lang/Object.h"

namespace util {

class Enumeration : public lang::Object {
public:
    virtual bool hasMoreElements() const = 0;
    // The next object, borrowed (no reference for the caller).
    virtual lang::Object* nextElement() = 0;
};

} // namespace util

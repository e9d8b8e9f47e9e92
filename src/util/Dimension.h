// A size in pixels.
#pragma once

#include "lang/Object.h"

#include <cstring>

namespace util {

class Dimension : public lang::Object {
public:
    Dimension() = default;
    Dimension(int32_t width, int32_t height) : width(width), height(height) {}

    bool isInstanceOf(const char* className) const override
    {
        return std::strcmp(className, "Dimension") == 0 || Object::isInstanceOf(className);
    }
    const char* getClassName() const override { return "Dimension"; }

    int32_t width = 0;
    int32_t height = 0;
};

} // namespace util

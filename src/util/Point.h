// A position in pixels.
#pragma once

#include "lang/Object.h"

#include <cstring>

namespace util {

class Point : public lang::Object {
public:
    Point() = default;
    Point(int32_t x, int32_t y) : x(x), y(y) {}

    bool isInstanceOf(const char* className) const override
    {
        return std::strcmp(className, "Point") == 0 || Object::isInstanceOf(className);
    }
    const char* getClassName() const override { return "Point"; }

    int32_t x = 0;
    int32_t y = 0;
};

} // namespace util

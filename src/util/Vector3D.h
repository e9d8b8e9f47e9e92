// A direction or position in three dimensions; (x, y) alone lies in the plane z = 1.
#pragma once

#include "lang/Object.h"

#include <cstring>

namespace util {

class Vector3D : public lang::Object {
public:
    Vector3D() = default;
    Vector3D(float x, float y) : x(x), y(y) {}
    Vector3D(float x, float y, float z) : x(x), y(y), z(z) {}

    bool isInstanceOf(const char* className) const override
    {
        return std::strcmp(className, "Vector3D") == 0 || Object::isInstanceOf(className);
    }
    const char* getClassName() const override { return "Vector3D"; }

    float x = 0.0f;
    float y = 0.0f;
    float z = 1.0f;
};

} // namespace util

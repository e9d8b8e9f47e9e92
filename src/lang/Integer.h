// A boxed signed 32-bit integer, for collections of objects.
#pragma once

#include "lang/Object.h"

namespace lang {

class Integer : public Object {
public:
    explicit Integer(int32_t value) : value(value) {}

    int32_t intValue() const { return value; }
    int32_t hashCode() const override { return value; }
    bool equals(const Object* other) const override;
    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override;

private:
    int32_t value;
};

} // namespace lang

// One colour as a 32-bit 0xAARRGGBB value. Used as a plain colour (pen, fills) and as a tint,
// where each channel is a multiplier in 1/128 units (0x80 leaves a channel unchanged) and the
// alpha byte is the opacity.
#pragma once

#include "lang/Object.h"

#include <cstdint>

namespace window {

class ColorBase : public lang::Object {
public:
    ColorBase() = default;
    explicit ColorBase(uint32_t argb) : value(argb) {}
    ColorBase(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha)
        : value(compose(red, green, blue, alpha)) {}
    ColorBase(const ColorBase& other) : lang::Object(other), value(other.value) {}
    ColorBase& operator=(const ColorBase& other)
    {
        value = other.value;
        return *this;
    }

    static uint32_t compose(uint8_t red, uint8_t green, uint8_t blue, uint8_t alpha)
    {
        return static_cast<uint32_t>(alpha) << 24 | static_cast<uint32_t>(red) << 16
            | static_cast<uint32_t>(green) << 8 | blue;
    }

    uint32_t getValue() const { return value; }
    void setValue(uint32_t argb) { value = argb; }
    uint8_t getAlpha() const { return static_cast<uint8_t>(value >> 24); }
    uint8_t getRed() const { return static_cast<uint8_t>(value >> 16); }
    uint8_t getGreen() const { return static_cast<uint8_t>(value >> 8); }
    uint8_t getBlue() const { return static_cast<uint8_t>(value); }
    void setAlpha(uint8_t alpha) { value = (value & 0x00FFFFFFu) | static_cast<uint32_t>(alpha) << 24; }

    // True when the other object is a colour of the same value.
    bool equals(const lang::Object* other) const override;
    int32_t hashCode() const override { return static_cast<int32_t>(value); }
    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ColorBase"; }

private:
    uint32_t value = 0;
};

} // namespace window

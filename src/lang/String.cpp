#include "lang/String.h"

#include "lang/Cp1252.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>

namespace lang {

namespace {

// Every String buffer is allocated and freed under this one lock.
std::mutex& stringLock()
{
    static std::mutex lock;
    return lock;
}

int32_t roundUp16(int32_t bytes)
{
    return (bytes + 15) & ~15;
}

// The capacity for a text of `length` bytes: the smallest multiple of 16 above it.
int32_t capacityFor(int32_t length)
{
    return roundUp16(length + 1);
}

char* allocateBuffer(int32_t capacity)
{
    std::lock_guard<std::mutex> guard(stringLock());
    return static_cast<char*>(std::malloc(static_cast<size_t>(capacity)));
}

char* reallocateBuffer(char* buffer, int32_t capacity)
{
    std::lock_guard<std::mutex> guard(stringLock());
    return static_cast<char*>(std::realloc(buffer, static_cast<size_t>(capacity)));
}

void freeBuffer(char* buffer)
{
    std::lock_guard<std::mutex> guard(stringLock());
    std::free(buffer);
}

int32_t textLength(const char* text)
{
    return text ? static_cast<int32_t>(std::strlen(text)) : 0;
}

} // namespace

String::String(const char* text)
{
    assign(text, textLength(text));
}

String::String(const char* literal, BorrowTag)
    : chars(const_cast<char*>(literal)), length_(textLength(literal))
{
}

String::String(const String& other) : Object(other)
{
    if (other.chars)
        assign(other.chars, other.length_);
}

String::String(String&& other) noexcept
    : chars(other.chars), capacity_(other.capacity_), length_(other.length_)
{
    other.chars = nullptr;
    other.capacity_ = 0;
    other.length_ = 0;
}

String::String(const String& text, int32_t minCapacity) : String(text.c_str(), minCapacity) {}

String::String(const char* text, int32_t minCapacity)
{
    const int32_t length = textLength(text);
    reserveMoreThan(minCapacity > length + 1 ? minCapacity - 1 : length);
    appendBytes(text, length);
}

String::String(const char* buffer, int32_t from, int32_t to)
{
    assign(buffer + from, to > from ? to - from : 0);
}

String::String(char c)
{
    chars = allocateBuffer(16);
    capacity_ = 16;
    chars[0] = c;
    chars[1] = '\0';
    length_ = 1;
}

String::String(int32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    assign(text, textLength(text));
}

String::String(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.9g", value);
    assign(text, textLength(text));
}

String::~String()
{
    if (ownsBuffer())
        freeBuffer(chars);
}

String& String::operator=(const String& other)
{
    if (this != &other)
        assign(other.chars, other.length_);
    return *this;
}

String& String::operator=(String&& other) noexcept
{
    if (this != &other) {
        if (ownsBuffer())
            freeBuffer(chars);
        chars = other.chars;
        capacity_ = other.capacity_;
        length_ = other.length_;
        other.chars = nullptr;
        other.capacity_ = 0;
        other.length_ = 0;
    }
    return *this;
}

String& String::operator=(const char* text)
{
    assign(text, textLength(text));
    return *this;
}

void String::assign(const char* text, int32_t count)
{
    if (!text) {
        setLength(0);
        return;
    }
    if (!ownsBuffer() || capacity_ <= count) {
        // The text may live in our own buffer (a substring of ourselves): copy before freeing.
        char* fresh = allocateBuffer(capacityFor(count));
        std::memcpy(fresh, text, static_cast<size_t>(count));
        if (ownsBuffer())
            freeBuffer(chars);
        chars = fresh;
        capacity_ = capacityFor(count);
    } else {
        std::memmove(chars, text, static_cast<size_t>(count));
    }
    chars[count] = '\0';
    length_ = count;
}

void String::reserveMoreThan(int32_t needed)
{
    if (ownsBuffer() && capacity_ > needed)
        return;
    const int32_t newCapacity = capacityFor(needed);
    if (ownsBuffer()) {
        chars = reallocateBuffer(chars, newCapacity);
    } else {
        char* fresh = allocateBuffer(newCapacity);
        if (chars)
            std::memcpy(fresh, chars, static_cast<size_t>(length_));
        fresh[length_] = '\0';
        chars = fresh;
    }
    capacity_ = newCapacity;
}

void String::appendBytes(const char* text, int32_t count)
{
    if (count <= 0) {
        if (!chars)
            reserveMoreThan(0);
        return;
    }
    // `text` may point into our own buffer, which growing can move.
    const bool fromSelf = ownsBuffer() && text >= chars && text < chars + capacity_;
    const int32_t selfOffset = fromSelf ? static_cast<int32_t>(text - chars) : 0;
    reserveMoreThan(length_ + count);
    if (fromSelf)
        text = chars + selfOffset;
    std::memmove(chars + length_, text, static_cast<size_t>(count));
    length_ += count;
    chars[length_] = '\0';
}

String& String::append(const char* text)
{
    appendBytes(text, textLength(text));
    return *this;
}

String& String::append(const String& text)
{
    appendBytes(text.chars, text.length_);
    return *this;
}

String& String::append(char c)
{
    appendBytes(&c, 1);
    return *this;
}

String& String::append(int32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return append(text);
}

String operator+(const String& a, const char* b)
{
    const int32_t bLength = textLength(b);
    String result(a, a.length_ + bLength + 1);
    result.appendBytes(b, bLength);
    return result;
}

String operator+(const String& a, const String& b)
{
    String result(a, a.length_ + b.length_ + 1);
    result.appendBytes(b.chars, b.length_);
    return result;
}

String operator+(const String& a, int32_t value)
{
    String result(a, a.length_ + 10);
    result.append(value);
    return result;
}

int32_t String::hashCode() const
{
    uint32_t hash = 0;
    int shift = 0;
    for (int32_t i = 0; i < length_; ++i) {
        const int32_t c = static_cast<signed char>(chars[i]);
        hash |= static_cast<uint32_t>(c) << shift;
        shift += 8;
        if (shift > 24)
            shift = 0;
    }
    return static_cast<int32_t>(hash);
}

bool String::equals(const Object* other) const
{
    return other && other->isInstanceOf("String") && equals(*static_cast<const String*>(other));
}

bool String::equals(const String& other) const
{
    return length_ == other.length_ && std::strcmp(c_str(), other.c_str()) == 0;
}

bool String::equals(const char* other) const
{
    return std::strcmp(c_str(), other ? other : "") == 0;
}

bool String::equalsIgnoreCase(const char* other) const
{
    const char* a = c_str();
    const char* b = other ? other : "";
    for (; *a && *b; ++a, ++b) {
        if (cp1252ToLower(static_cast<unsigned char>(*a)) != cp1252ToLower(static_cast<unsigned char>(*b)))
            return false;
    }
    return *a == *b;
}

bool String::equalsIgnoreCase(const String& other) const
{
    return equalsIgnoreCase(other.c_str());
}

String String::toString() const
{
    return *this;
}

bool String::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "String") == 0 || Object::isInstanceOf(className);
}

const char* String::getClassName() const
{
    return "String";
}

bool String::startsWith(const char* prefix) const
{
    const int32_t prefixLength = textLength(prefix);
    if (prefixLength == 0)
        return true;
    return prefixLength <= length_ && std::memcmp(chars, prefix, static_cast<size_t>(prefixLength)) == 0;
}

bool String::endsWith(const char* suffix) const
{
    const int32_t suffixLength = textLength(suffix);
    if (suffixLength > length_)
        return false;
    return suffixLength == 0
        || std::memcmp(chars + length_ - suffixLength, suffix, static_cast<size_t>(suffixLength)) == 0;
}

int32_t String::indexOf(char c, int32_t from) const
{
    for (int32_t i = from < 0 ? 0 : from; i < length_; ++i) {
        if (chars[i] == c)
            return i;
    }
    return -1;
}

int32_t String::indexOf(const char* text, int32_t from) const
{
    const int32_t textLen = textLength(text);
    if (textLen == 0)
        return 0;
    if (from < 0)
        from = 0;
    for (int32_t i = from; i <= length_ - textLen; ++i) {
        if (std::memcmp(chars + i, text, static_cast<size_t>(textLen)) == 0)
            return i;
    }
    return -1;
}

int32_t String::lastIndexOf(char c) const
{
    for (int32_t i = length_ - 1; i >= 0; --i) {
        if (chars[i] == c)
            return i;
    }
    return -1;
}

String String::substring(int32_t from) const
{
    return substring(from, length_);
}

String String::substring(int32_t from, int32_t to) const
{
    if (to > length_)
        to = length_;
    if (from < 0)
        from = 0;
    if (from >= to)
        return String("");
    return String(chars, from, to);
}

String String::trim() const
{
    auto isBlank = [](char c) { return static_cast<signed char>(c) <= 32; };
    int32_t first = 0;
    int32_t last = length_;
    while (first < last && isBlank(chars[first]))
        ++first;
    while (last > first && isBlank(chars[last - 1]))
        --last;
    return substring(first, last);
}

String String::replace(const char* what, const char* with) const
{
    const int32_t whatLength = textLength(what);
    if (whatLength == 0)
        return *this;
    String result("");
    int32_t position = 0;
    for (int32_t found = indexOf(what, 0); found >= 0; found = indexOf(what, position)) {
        result.appendBytes(chars + position, found - position);
        result.append(with);
        position = found + whatLength;
    }
    result.appendBytes(chars + position, length_ - position);
    return result;
}

void String::setLength(int32_t newLength)
{
    if (newLength < 0 || newLength >= length_)
        return;
    if (!ownsBuffer())
        reserveMoreThan(length_);
    chars[newLength] = '\0';
    length_ = newLength;
}

void String::setCharAt(int32_t index, char c)
{
    if (index < 0 || index >= length_)
        return;
    if (!ownsBuffer())
        reserveMoreThan(length_);
    chars[index] = c;
}

char String::charAt(int32_t index) const
{
    return index >= 0 && index < length_ ? chars[index] : '\0';
}

bool String::isNameChar(int c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' '
        || c == '-' || c == '.' || (c >= 192 && c <= 255);
}

} // namespace lang

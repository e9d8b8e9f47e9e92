// An 8-bit Windows-1252 text with value semantics. Buffers grow in steps of 16 bytes; a String
// may borrow a literal, which it never writes into. A String without characters behaves as "".
#pragma once

#include "lang/Object.h"

#include <cstdint>

namespace lang {

class String : public Object {
public:
    enum BorrowTag { Borrow };

    String() = default;
    String(const char* text);
    // Points at a literal that outlives the String; the first change makes a private copy.
    String(const char* literal, BorrowTag);
    String(const String& other);
    String(String&& other) noexcept;
    String(const String& text, int32_t minCapacity);
    String(const char* text, int32_t minCapacity);
    // The bytes [from, to) of a buffer.
    String(const char* buffer, int32_t from, int32_t to);
    explicit String(char c);
    explicit String(int32_t value);
    explicit String(double value);
    ~String() override;

    String& operator=(const String& other);
    String& operator=(String&& other) noexcept;
    String& operator=(const char* text);

    String& append(const char* text);
    String& append(const String& text);
    String& append(char c);
    String& append(int32_t value);

    int32_t hashCode() const override;
    bool equals(const Object* other) const override;
    bool equals(const String& other) const;
    bool equals(const char* other) const;
    bool equalsIgnoreCase(const String& other) const;
    bool equalsIgnoreCase(const char* other) const;
    String toString() const override;
    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override;

    bool startsWith(const char* prefix) const;
    bool endsWith(const char* suffix) const;
    int32_t indexOf(char c, int32_t from = 0) const;
    int32_t indexOf(const char* text, int32_t from = 0) const;
    int32_t lastIndexOf(char c) const;
    String substring(int32_t from) const;
    String substring(int32_t from, int32_t to) const;
    String trim() const;
    String replace(const char* what, const char* with) const;

    void setLength(int32_t newLength);
    void setCharAt(int32_t index, char c);
    char charAt(int32_t index) const;
    bool isEmpty() const { return length_ == 0; }
    int32_t length() const { return length_; }
    int32_t capacity() const { return capacity_; }
    // Never null: a String without characters gives "".
    const char* c_str() const { return chars ? chars : ""; }
    // True while the String has never been given text of its own or borrowed.
    bool isNull() const { return chars == nullptr; }

    // Letters, digits, space, '-', '.' and the Western letters 192 to 255: what a typed
    // player name may hold.
    static bool isNameChar(int c);

    friend String operator+(const String& a, const char* b);
    friend String operator+(const String& a, const String& b);
    friend String operator+(const String& a, int32_t value);
    friend bool operator==(const String& a, const String& b) { return a.equals(b); }
    friend bool operator==(const String& a, const char* b) { return a.equals(b); }

private:
    bool ownsBuffer() const { return capacity_ > 0; }
    // Makes sure an owned buffer of more than `needed` bytes exists, keeping the text.
    void reserveMoreThan(int32_t needed);
    void assign(const char* text, int32_t count);
    void appendBytes(const char* text, int32_t count);

    char* chars = nullptr;
    int32_t capacity_ = 0;
    int32_t length_ = 0;
};

} // namespace lang

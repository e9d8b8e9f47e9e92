// A text of fixed capacity, built without allocating: what a crash handler may use to put
// its report together. What does not fit is cut off.
#pragma once

#include <cstddef>
#include <cstdint>

namespace crash {

class ReportText {
public:
    ReportText(char* buffer, size_t capacity);

    void append(const char* text);
    void append(const char* text, size_t length);
    void appendNumber(int64_t value);
    // Two digits at least, with a leading zero: for times.
    void appendTwoDigits(int32_t value);
    // A "name: value" line.
    void line(const char* name, const char* value);
    void line(const char* name, int64_t value);

    const char* text() const { return buffer; }
    size_t length() const { return used; }

private:
    char* buffer;
    size_t capacity;
    size_t used = 0;
};

} // namespace crash

#include "crash/ReportText.h"

namespace crash {

ReportText::ReportText(char* buffer, size_t capacity) : buffer(buffer), capacity(capacity)
{
    if (capacity > 0)
        buffer[0] = '\0';
}

void ReportText::append(const char* text, size_t length)
{
    if (capacity == 0)
        return;
    for (size_t i = 0; i < length && used + 1 < capacity; ++i)
        buffer[used++] = text[i];
    buffer[used] = '\0';
}

void ReportText::append(const char* text)
{
    size_t length = 0;
    while (text && text[length])
        ++length;
    append(text, length);
}

void ReportText::appendNumber(int64_t value)
{
    char digits[24];
    size_t count = 0;
    // Negative digits keep the most negative value in range.
    const bool negative = value < 0;
    do {
        const int64_t digit = value % 10;
        digits[count++] = char('0' + (negative ? -digit : digit));
        value /= 10;
    } while (value != 0);
    if (negative)
        digits[count++] = '-';
    while (count > 0)
        append(&digits[--count], 1);
}

void ReportText::appendTwoDigits(int32_t value)
{
    if (value >= 0 && value < 10)
        append("0");
    appendNumber(value);
}

void ReportText::line(const char* name, const char* value)
{
    append(name);
    append(": ");
    append(value);
    append("\n");
}

void ReportText::line(const char* name, int64_t value)
{
    append(name);
    append(": ");
    appendNumber(value);
    append("\n");
}

} // namespace crash

#include "window/text/TextLayout.h"

#include "window/text/FontMetrics.h"

namespace window {

std::vector<lang::String> splitLines(const lang::String& text)
{
    std::vector<lang::String> lines;
    int32_t start = 0;
    for (;;) {
        const int32_t feed = text.indexOf('\n', start);
        int32_t end = feed < 0 ? text.length() : feed;
        if (end > start && text.charAt(end - 1) == '\r')
            --end;
        lines.push_back(text.substring(start, end));
        if (feed < 0)
            return lines;
        start = feed + 1;
    }
}

lang::String fitWithEllipsis(const lang::String& line, int32_t width, const FontMetrics& metrics)
{
    if (metrics.stringWidth(line) <= width)
        return line;
    const char* chars = line.c_str();
    // The first character that ends beyond the width, and the start of its word.
    int32_t overflow = 0;
    while (overflow < line.length() && metrics.charsWidth(chars, 0, overflow + 1) <= width)
        ++overflow;
    int32_t wordStart = overflow;
    while (wordStart > 0 && chars[wordStart - 1] != ' ')
        --wordStart;
    const int32_t ellipsisWidth = metrics.stringWidth("...");
    int32_t kept = overflow;
    while (kept > wordStart && metrics.charsWidth(chars, 0, kept) + ellipsisWidth > width)
        --kept;
    return line.substring(0, kept) + "...";
}

} // namespace window

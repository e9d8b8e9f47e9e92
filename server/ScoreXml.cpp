#include "ScoreXml.h"

#include "ScoreRequest.h"

namespace scores {

namespace {

// Windows-1252 bytes 128 to 159 that are not Latin-1 controls.
constexpr char16_t HighCodePoints[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, uint32_t codePoint)
{
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

} // namespace

std::string ScoreXml::escapeText(const std::string& windows1252)
{
    std::string out;
    for (char c : windows1252) {
        auto byte = static_cast<unsigned char>(c);
        if (byte == '&')
            out += "&amp;";
        else if (byte == '<')
            out += "&lt;";
        else if (byte == '>')
            out += "&gt;";
        else if (byte < 32)
            out += ' ';
        else if (byte >= 128 && byte < 160)
            appendUtf8(out, HighCodePoints[byte - 128]);
        else
            appendUtf8(out, byte);
    }
    return out;
}

std::string ScoreXml::write(int32_t shop, const std::vector<ScoreStore::Row>& rows, int32_t highlight)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<scores shop=\"" + std::to_string(shop) + "\">\n";
    int32_t rank = 0;
    for (const ScoreStore::Row& row : rows) {
        rank++;
        xml += "<entry><name>" + escapeText(row.name) + "</name><score>"
            + std::to_string(ScoreRequest::ScoreBase - row.time) + "</score><level>" + std::to_string(shop)
            + "</level><rank>" + std::to_string(rank) + "</rank></entry>\n";
    }
    if (highlight > 0)
        xml += "<highlight>" + std::to_string(highlight) + "</highlight>\n";
    xml += "</scores>\n";
    return xml;
}

} // namespace scores

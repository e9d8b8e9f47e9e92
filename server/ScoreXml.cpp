#include "ScoreXml.h"

#include "ScoreRequest.h"
#include "lang/Cp1252.h"

namespace scores {

std::string ScoreXml::escapeText(const std::string& windows1252)
{
    std::string escaped;
    for (char c : windows1252) {
        auto byte = static_cast<unsigned char>(c);
        if (byte == '&')
            escaped += "&amp;";
        else if (byte == '<')
            escaped += "&lt;";
        else if (byte == '>')
            escaped += "&gt;";
        else if (byte < 32)
            escaped += ' ';
        else
            escaped += c;
    }
    return lang::cp1252ToUtf8(escaped.c_str());
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

#include "ScoreRequest.h"

#include "NameRule.h"

#include <map>
#include <optional>

namespace scores {

namespace {

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A decimal integer of at most ten digits with an optional minus sign, within 32 bits.
std::optional<int32_t> parseInteger(std::string_view text)
{
    bool negative = !text.empty() && text[0] == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    value = negative ? -value : value;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return static_cast<int32_t>(value);
}

// The decoded parameters of a query; a parameter given twice or a broken escape makes the
// whole query unreadable.
bool splitQuery(std::string_view query, std::map<std::string, std::string>& params, std::string& error)
{
    if (query.size() > ScoreRequest::MaxQueryBytes) {
        error = "request too long";
        return false;
    }
    while (!query.empty()) {
        size_t end = query.find('&');
        std::string_view pair = query.substr(0, end);
        query = end == std::string_view::npos ? std::string_view() : query.substr(end + 1);
        if (pair.empty())
            continue;
        size_t equals = pair.find('=');
        std::string key, value;
        if (!ScoreRequest::percentDecode(pair.substr(0, equals), key)
            || (equals != std::string_view::npos && !ScoreRequest::percentDecode(pair.substr(equals + 1), value))) {
            error = "broken escape";
            return false;
        }
        if (!params.emplace(key, value).second) {
            error = "parameter given twice: " + key;
            return false;
        }
    }
    return true;
}

const std::string* find(const std::map<std::string, std::string>& params, const char* key)
{
    auto found = params.find(key);
    return found == params.end() ? nullptr : &found->second;
}

bool readShop(const std::map<std::string, std::string>& params, ScoreRequest& request)
{
    const std::string* text = find(params, "shop");
    std::optional<int32_t> shop = text ? parseInteger(*text) : std::nullopt;
    if (!shop || *shop < 1 || *shop > ScoreRequest::Shops) {
        request.error = "shop must be 1 to 12";
        return false;
    }
    request.shop = *shop;
    return true;
}

} // namespace

bool ScoreRequest::percentDecode(std::string_view text, std::string& out)
{
    out.clear();
    for (size_t i = 0; i < text.size(); i++) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return false;
        int high = hexValue(text[i + 1]);
        int low = hexValue(text[i + 2]);
        if (high < 0 || low < 0)
            return false;
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return true;
}

ScoreRequest ScoreRequest::parseList(std::string_view query)
{
    ScoreRequest request;
    std::map<std::string, std::string> params;
    if (!splitQuery(query, params, request.error) || !readShop(params, request))
        return request;
    if (const std::string* period = find(params, "period")) {
        if (*period != "all" && *period != "day")
            request.error = "period must be all or day";
        request.allTime = *period == "all";
    }
    return request;
}

ScoreRequest ScoreRequest::parseSubmit(std::string_view query)
{
    ScoreRequest request;
    std::map<std::string, std::string> params;
    if (!splitQuery(query, params, request.error) || !readShop(params, request))
        return request;
    const std::string* name = find(params, "name");
    const std::string* verification = find(params, "score");
    const std::string* scoreText = find(params, "s");
    if (!name || !verification || !scoreText) {
        request.error = "name, score and s are needed";
        return request;
    }
    if (!NameRule::isValid(*name)) {
        request.error = "name must be 1 to 9 letters, digits, spaces, '-' or '.'";
        return request;
    }
    std::optional<int32_t> score = parseInteger(*scoreText);
    // A time of at least FastestTime tenths and below ScoreBase.
    if (!score || *score < 1 || *score > ScoreBase - FastestTime) {
        request.error = "s out of range";
        return request;
    }
    request.name = *name;
    request.verification = *verification;
    request.score = *score;
    return request;
}

} // namespace scores

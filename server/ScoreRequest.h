// The two requests of the service, read from the raw query of a request target: the list of a
// shop, and the submission of a time. Reading checks the form of every parameter; whether a
// submission's check value fits is the service's business.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace scores {

struct ScoreRequest {
    static constexpr int32_t Shops = 12;
    // Times are tenths of a second; the score the game sends is ScoreBase minus the time.
    static constexpr int32_t ScoreBase = 300000;
    static constexpr int32_t FastestTime = 601;
    // The longest query read; the longest honest submission is far below it.
    static constexpr size_t MaxQueryBytes = 512;

    // Empty when the request was read; otherwise why not, for the answer's body.
    std::string error;
    int32_t shop = 0;
    // The list of all times instead of the last 24 hours (lists only).
    bool allTime = false;
    // Submissions only: the raw name bytes, the check value and the score.
    std::string name;
    std::string verification;
    int32_t score = 0;

    bool ok() const { return error.empty(); }
    int32_t time() const { return ScoreBase - score; }

    // "shop=N" and an optional "period=all".
    static ScoreRequest parseList(std::string_view query);
    // "shop=N&name=NAME&score=CHECK&s=SCORE", the name percent-encoded.
    static ScoreRequest parseSubmit(std::string_view query);

    // The bytes of a percent-encoded text; false on a broken escape.
    static bool percentDecode(std::string_view text, std::string& out);
};

} // namespace scores

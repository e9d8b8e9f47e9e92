// Writes the answer the game reads: a root element "scores" with one "entry" per row (its
// "name", "score", "level" and "rank") and, for a submission, the "highlight" rank of the
// submitted entry. Names are stored in Windows-1252 and written in UTF-8.
#pragma once

#include "ScoreStore.h"

#include <string>
#include <vector>

namespace scores {

struct ScoreXml {
    // highlight: the rank to name, or 0 for none.
    static std::string write(int32_t shop, const std::vector<ScoreStore::Row>& rows, int32_t highlight);

    // Windows-1252 text as UTF-8 with XML's special characters escaped.
    static std::string escapeText(const std::string& windows1252);
};

} // namespace scores

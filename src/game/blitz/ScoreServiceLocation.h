// Where the game finds the score service: the prefix of a list address and of a submission
// address, each completed with the shop number. They come from the package texts "CVS_GET_URL"
// and "CVS_PUT_URL", are overridden by the settings "SCOREGETURL" and "SCOREPUTURL", and both by
// the environment variable KIPTO2_SCORE_URL, a base address such as "http://127.0.0.1:8642".
#pragma once

#include "lang/String.h"

namespace sprite {
class User;
}

class ScoreServiceLocation {
public:
    static constexpr const char* EnvironmentVariable = "KIPTO2_SCORE_URL";
    static constexpr const char* ListPath = "/scores/list?shop=";
    static constexpr const char* SubmitPath = "/scores/submit?shop=";

    ScoreServiceLocation(const lang::String& listPrefix, const lang::String& submitPrefix)
        : listPrefix(listPrefix), submitPrefix(submitPrefix) {}

    // The location in force; user (the settings store) may be null.
    static ScoreServiceLocation find(sprite::User* user);
    // The two prefixes of a service at a base address (a trailing "/" is dropped).
    static ScoreServiceLocation fromBase(const lang::String& base);

    const lang::String& getListPrefix() const { return listPrefix; }
    const lang::String& getSubmitPrefix() const { return submitPrefix; }

private:
    lang::String listPrefix;
    lang::String submitPrefix;
};

// The query of a request to the score service: read as a list and as a submission without a
// crash; what a submission keeps obeys the service's rules.
#include "NameRule.h"
#include "ScoreRequest.h"
#include "Verification.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view query(reinterpret_cast<const char*>(data), size);
    scores::ScoreRequest list = scores::ScoreRequest::parseList(query);
    if (list.ok() && (list.shop < 1 || list.shop > scores::ScoreRequest::Shops))
        std::abort();
    scores::ScoreRequest submission = scores::ScoreRequest::parseSubmit(query);
    if (submission.ok()) {
        bool inRange = submission.time() >= scores::ScoreRequest::FastestTime
            && submission.time() < scores::ScoreRequest::ScoreBase;
        if (!inRange || !scores::NameRule::isValid(submission.name))
            std::abort();
        scores::Verification::check(submission.verification, submission.name, submission.shop, submission.score);
    }
    return 0;
}

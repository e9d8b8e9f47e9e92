// The game's side of the online best times: the answers of the score service cached per shop,
// the submission of a finished Blitz time, and the submission still waiting to be sent.
//
// Requests run on a thread of their own (ScoreTransfer), one at a time, with the time-outs given
// at construction. Nothing is handed back from that thread: the game calls poll() once per frame
// under the canvas's monitor, and poll() applies a finished request there. Every other operation
// also belongs to the game thread. A board may be destroyed while a request runs; the request
// finishes on its own and its result is dropped.
#pragma once

#include "game/blitz/ScoreServiceLocation.h"
#include "game/blitz/ScoreTransfer.h"
#include "lang/Ref.h"
#include "util/Hashtable.h"

class ScoreBoard : public lang::Object {
public:
    struct Timeouts {
        int32_t fetchMs = 12000;
        int32_t submitMs = 20000;
    };

    // With the game's time-outs: 12 s for a list, 20 s for a submission.
    explicit ScoreBoard(const ScoreServiceLocation& location);
    ScoreBoard(const ScoreServiceLocation& location, const Timeouts& timeouts);
    ScoreBoard(const ScoreBoard&) = delete;
    ScoreBoard& operator=(const ScoreBoard&) = delete;

    // The cached answer of a shop (the service's XML), empty when there is none.
    lang::String getAnswer(int32_t shop) const;
    bool hasAnswer(int32_t shop) const;

    // Asks for the list of a shop. When a submission for that shop is waiting, it is sent
    // instead (its answer is the list). Runs after the request under way, if any, unless that
    // request brings the shop's answer already.
    void fetch(int32_t shop);

    // Sends a finished time unless the same (shop, score) was sent successfully last or is on
    // its way; false when nothing is sent. shop is the shop that was played: the address and the
    // check value both use it. The submission waits until it succeeds or a newer one replaces it;
    // meanwhile the shop has no cached answer.
    bool submit(const lang::String& name, int32_t shop, int32_t score);

    // Applies a finished request: its text becomes the shop's cached answer (a failure removes
    // it), and a successful submission stops waiting. True when a shop's answer changed.
    bool poll();

    bool isBusy() const { return running != nullptr; }
    bool hasPendingSubmission() const { return !pending.url.isEmpty(); }
    int32_t getPendingShop() const { return pending.shop; }
    const lang::String& getPendingUrl() const { return pending.url; }
    // The request under way (borrowed), or null.
    ScoreTransfer* getRunningTransfer() const { return running.get(); }

    // Every byte outside A-Z, a-z, 0-9 and "-._~" as %XX.
    static lang::String percentEncode(const lang::String& text);

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ScoreBoard"; }

private:
    struct Submission {
        lang::String url;
        int32_t shop = 0;
        int32_t score = 0;
    };

    void start(const lang::String& url, int32_t timeoutMs, const ScoreTransfer::Purpose& purpose);
    void startWaiting();
    // Whether the request's answer is the shop's latest list (no newer submission waits).
    bool bringsAnswerOf(const ScoreTransfer& transfer, int32_t shop) const;
    void apply(const ScoreTransfer& transfer);

    ScoreServiceLocation location;
    Timeouts timeouts;
    lang::Ref<util::Hashtable> answers;
    Submission pending;
    // The last (shop, score) the service accepted; shop 0 for none.
    int32_t lastShop = 0;
    int32_t lastScore = 0;
    lang::Ref<ScoreTransfer> running;
    // The shop whose list is asked for while another request runs; 0 for none.
    int32_t waitingShop = 0;
};

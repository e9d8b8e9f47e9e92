// One request to the score service, made on a thread of its own so that the game never waits
// for the network. The thread holds a reference on itself while it runs, so its owner may let
// go of it at any time. The owner asks isDone() (from any thread) and then reads the result.
#pragma once

#include "lang/String.h"
#include "lang/Thread.h"

#include <atomic>

class ScoreTransfer : public lang::Thread {
public:
    // What the request is for, kept with it for whoever applies the result.
    struct Purpose {
        int32_t shop = 0;
        bool submission = false;
        int32_t score = 0;
    };

    ScoreTransfer(const lang::String& url, int32_t timeoutMs, const Purpose& purpose);

    // Fetches the address; the body is the result when it arrived with status 200.
    void run() override;

    bool isDone() const { return done.load(std::memory_order_acquire); }
    // After isDone(): whether any text arrived, and the text.
    bool hasText() const;
    lang::String getText() const;

    const lang::String& getUrl() const { return url; }
    const Purpose& getPurpose() const { return purpose; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ScoreTransfer"; }

private:
    static lang::String readBody(const lang::String& url, int32_t timeoutMs);

    const lang::String url;
    const int32_t timeoutMs;
    const Purpose purpose;
    lang::String text;
    std::atomic<bool> done{false};
};

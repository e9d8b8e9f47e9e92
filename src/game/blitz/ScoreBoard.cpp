#include "game/blitz/ScoreBoard.h"

#include "game/blitz/ScoreVerification.h"

#include <cstring>

namespace {

lang::String shopKey(int32_t shop)
{
    return lang::String(shop);
}

} // namespace

ScoreBoard::ScoreBoard(const ScoreServiceLocation& location) : ScoreBoard(location, Timeouts()) {}

ScoreBoard::ScoreBoard(const ScoreServiceLocation& location, const Timeouts& timeouts)
    : location(location), timeouts(timeouts), answers(lang::adopt(new util::Hashtable(16)))
{
}

lang::String ScoreBoard::getAnswer(int32_t shop) const
{
    auto* answer = static_cast<lang::String*>(answers->get(shopKey(shop)));
    return answer ? *answer : lang::String();
}

bool ScoreBoard::hasAnswer(int32_t shop) const
{
    return answers->get(shopKey(shop)) != nullptr;
}

void ScoreBoard::fetch(int32_t shop)
{
    if (running) {
        if (!bringsAnswerOf(*running, shop))
            waitingShop = shop;
        return;
    }
    if (hasPendingSubmission() && pending.shop == shop) {
        start(pending.url, timeouts.submitMs, {shop, true, pending.score});
        return;
    }
    start(location.getListPrefix() + shop, timeouts.fetchMs, {shop, false, 0});
}

bool ScoreBoard::submit(const lang::String& name, int32_t shop, int32_t score)
{
    if (shop == lastShop && score == lastScore)
        return false;
    const ScoreTransfer::Purpose* underWay = running ? &running->getPurpose() : nullptr;
    if (underWay && underWay->submission && underWay->shop == shop && underWay->score == score)
        return false;
    pending.url = location.getSubmitPrefix() + shop + "&name=" + percentEncode(name) + "&score="
        + ScoreVerification::make(name, shop, score) + "&s=" + score;
    pending.shop = shop;
    pending.score = score;
    // The list without this time is out of date; the submission's answer is the new one.
    lang::String key = shopKey(shop);
    answers->remove(&key);
    if (running)
        waitingShop = shop;
    else
        start(pending.url, timeouts.submitMs, {shop, true, score});
    return true;
}

bool ScoreBoard::bringsAnswerOf(const ScoreTransfer& transfer, int32_t shop) const
{
    if (transfer.getPurpose().shop != shop)
        return false;
    const bool submissionWaits = hasPendingSubmission() && pending.shop == shop;
    return !submissionWaits || pending.url.equals(transfer.getUrl());
}

bool ScoreBoard::poll()
{
    if (!running || !running->isDone())
        return false;
    lang::Ref<ScoreTransfer> finished = running;
    running.reset();
    apply(*finished);
    startWaiting();
    return true;
}

void ScoreBoard::apply(const ScoreTransfer& transfer)
{
    const ScoreTransfer::Purpose& purpose = transfer.getPurpose();
    lang::String key = shopKey(purpose.shop);
    answers->remove(&key);
    if (!transfer.hasText())
        return;
    answers->put(key, lang::adopt(new lang::String(transfer.getText())).get());
    if (purpose.submission) {
        lastShop = purpose.shop;
        lastScore = purpose.score;
        // A newer submission made meanwhile still waits.
        if (pending.url.equals(transfer.getUrl()))
            pending = Submission();
    }
}

void ScoreBoard::startWaiting()
{
    int32_t shop = waitingShop;
    waitingShop = 0;
    if (shop != 0)
        fetch(shop);
}

void ScoreBoard::start(const lang::String& url, int32_t timeoutMs, const ScoreTransfer::Purpose& purpose)
{
    running = lang::adopt(new ScoreTransfer(url, timeoutMs, purpose));
    running->start();
}

lang::String ScoreBoard::percentEncode(const lang::String& text)
{
    static const char Hex[] = "0123456789ABCDEF";
    lang::String out;
    for (int32_t i = 0; i < text.length(); i++) {
        auto c = static_cast<unsigned char>(text.charAt(i));
        bool unreserved = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'
            || c == '.' || c == '_' || c == '~';
        if (unreserved) {
            out.append(static_cast<char>(c));
        } else {
            out.append('%');
            out.append(Hex[c >> 4]);
            out.append(Hex[c & 15]);
        }
    }
    return out;
}

bool ScoreBoard::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ScoreBoard") == 0 || Object::isInstanceOf(className);
}

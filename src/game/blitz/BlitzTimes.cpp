#include "game/blitz/BlitzTimes.h"

#include "game/Kipto2Canvas.h"
#include "game/blitz/BlitzMenu.h"
#include "game/blitz/BlitzTimeFormat.h"
#include "game/flow/SpriteHelpers.h"
#include "game/profiles/ProfileName.h"
#include "game/profiles/ProfileStore.h"
#include "lang/ResourceFile.h"
#include "sprite/AnimateSprite.h"
#include "sprite/ButtonMixin.h"
#include "sprite/NewFontSprite.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

BlitzTimes::BlitzTimesClass BlitzTimes::classObject("BlitzTimes");

namespace {

constexpr const char* ShopButtonPrefix = "blitzshop";
// The text that stands in the list area instead of rows, and the package texts it shows.
constexpr const char* StateText = "timesstatus";
constexpr const char* LoadingText = "BTLoading";
constexpr const char* UnreachableText = "BTUnreachable";
constexpr const char* NoTimesText = "BTNoTimes";
// A list scrolls so that the player's own entry is the fifth row shown, as the service's
// answers ask.
constexpr int32_t HighlightLead = 5;

void playClick()
{
    if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance())
        canvas->playSoundEntry(Kipto2Canvas::ClickSound);
}

void showFrame(sprite::SpriteBase* sprite, int32_t frame)
{
    if (sprite && sprite->isInstanceOf("AnimateSprite"))
        static_cast<sprite::AnimateSprite*>(sprite)->setFrame(frame);
}

void setSelected(sprite::SpriteBase* sprite, bool selected)
{
    if (sprite::ButtonMixin* button = sprite::ButtonMixin::of(sprite))
        button->setState(selected ? sprite::ButtonMixin::Selected : sprite::ButtonMixin::Normal);
}

lang::String rowName(const char* column, int32_t row)
{
    return lang::String(column) + (row + 1);
}

} // namespace

BlitzTimes::BlitzTimes() = default;

BlitzTimes::~BlitzTimes() = default;

void BlitzTimes::setUp(ProfileStore* store, ScoreBoard* scoreBoard)
{
    profiles = lang::retain(store);
    board = lang::retain(scoreBoard);
}

bool BlitzTimes::isShopOpen(int32_t shop) const
{
    return BlitzMenu::isShopOpen(profiles ? profiles->getSave() : nullptr, shop);
}

void BlitzTimes::fill(int32_t shop)
{
    showShopButtons();
    showModeButtons();
    selectShop(shop, true);
}

sprite::SpriteBase* BlitzTimes::shopButton(int32_t shop)
{
    return getChild(lang::String(ShopButtonPrefix) + shop);
}

void BlitzTimes::selectShop(int32_t shop, bool refresh)
{
    if (sprite::ButtonMixin* previous = sprite::ButtonMixin::of(shopButton(selectedShop)))
        previous->setState(isShopOpen(selectedShop) ? sprite::ButtonMixin::Normal : sprite::ButtonMixin::Disabled);
    selectedShop = isShopOpen(shop) ? shop : FallbackShop;
    setSelected(shopButton(selectedShop), true);
    showFrame(getChild("shoptimetitles"), selectedShop - 1);
    if (refresh)
        rebuild(true);
}

void BlitzTimes::setGlobal(bool on)
{
    global = on;
    showModeButtons();
    if (global)
        highlightRank = -1;
    rebuild(true);
}

void BlitzTimes::submitTime(const lang::String& playerName, int32_t shop, int32_t score)
{
    if (!board)
        return;
    board->submit(playerName, shop, score);
    // The submission's answer is the list the player wants to see.
    global = true;
    showModeButtons();
    highlightRank = -1;
    rebuild(false);
}

void BlitzTimes::scroll(int32_t rows)
{
    scrollOffset += rows;
    fillRows();
}

void BlitzTimes::rebuild(bool fetch)
{
    showSprite(getChild("past24hours"), global);
    if (global) {
        if (fetch && board && !board->hasAnswer(selectedShop))
            board->fetch(selectedShop);
        buildGlobal();
    } else {
        buildLocal();
    }
    fillRows();
}

void BlitzTimes::buildGlobal()
{
    scores.clear();
    highlightRank = -1;
    scrollOffset = 0;
    if (!board || !board->hasAnswer(selectedShop))
        return;
    ScoreAnswer answer(board->getAnswer(selectedShop));
    scores = answer.getEntries();
    highlightRank = answer.getHighlight();
    scrollOffset = answer.getOffset();
}

void BlitzTimes::buildLocal()
{
    scores = profiles ? localScores(*profiles, selectedShop) : std::vector<Score>();
    highlightRank = -1;
    for (const Score& score : scores) {
        if (isPlayersLastTime(score)) {
            highlightRank = score.rank;
            break;
        }
    }
    scrollOffset = highlightRank > 0 ? highlightRank - HighlightLead : 0;
}

bool BlitzTimes::isPlayersLastTime(const Score& score) const
{
    return score.time == lastTime && profiles && ProfileName::same(score.name, profiles->getCurrentName());
}

std::vector<BlitzTimes::Score> BlitzTimes::localScores(ProfileStore& profiles, int32_t shop)
{
    std::vector<Score> list;
    if (!ProfileSave::isShop(shop))
        return list;
    for (const lang::String& name : profiles.listNames()) {
        lang::Ref<ProfileSave> stored = lang::adopt(new ProfileSave);
        const ProfileSave* record = stored.get();
        if (ProfileName::same(name, profiles.getCurrentName()) && profiles.getSave())
            record = profiles.getSave();
        else if (!profiles.getStore() || !stored->load(*profiles.getStore(), name))
            continue;
        for (int32_t n = 0; n < ProfileSave::BlitzTimesPerShop; ++n) {
            const int32_t time = record->blitzTimes[size_t(ProfileSave::blitzIndex(shop, n))];
            if (time <= 0)
                continue;
            auto slower = std::find_if(list.begin(), list.end(), [time](const Score& s) { return s.time > time; });
            list.insert(slower, Score{name, time, shop, 0});
        }
    }
    for (size_t i = 0; i < list.size(); ++i)
        list[i].rank = int32_t(i) + 1;
    return list;
}

void BlitzTimes::fillRows()
{
    const int32_t count = int32_t(scores.size());
    scrollOffset = ScoreAnswer::clampForRows(scrollOffset, count, Rows);
    showSprite(getChild("timearrow_up"), scrollOffset > 0);
    showSprite(getChild("timearrow_down"), scrollOffset + Rows < count);
    for (int32_t row = 0; row < Rows; ++row) {
        const int32_t index = scrollOffset + row;
        showRow(row, index < count ? &scores[size_t(index)] : nullptr);
    }
    showState(stateOfList());
}

void BlitzTimes::showRow(int32_t row, const Score* score)
{
    sprite::SpriteBase* rank = getChild(rowName("rank", row));
    sprite::SpriteBase* name = getChild(rowName("name", row));
    sprite::SpriteBase* time = getChild(rowName("time", row));
    const bool own = score && score->rank == highlightRank && isPlayersLastTime(*score);
    for (sprite::SpriteBase* text : {rank, name, time}) {
        showSprite(text, score != nullptr);
        if (text && score)
            text->setColor(own ? HighlightColor : NormalColor);
    }
    if (!score)
        return;
    setSpriteText(rank, lang::String(score->rank) + ".");
    setSpriteText(name, score->name);
    showSprite(time, score->time >= 0);
    setSpriteText(time, BlitzTimeFormat::format(score->time));
}

BlitzTimes::ListState BlitzTimes::stateOfList() const
{
    if (!scores.empty())
        return ListState::Rows;
    if (global && board && !board->hasAnswer(selectedShop))
        return board->isBusy() ? ListState::Loading : ListState::Unreachable;
    return ListState::Empty;
}

void BlitzTimes::showState(ListState state)
{
    sprite::SpriteBase* text = getChild(StateText);
    showSprite(text, state != ListState::Rows);
    if (text && text->isInstanceOf("NewFontSprite"))
        static_cast<sprite::NewFontSprite*>(text)->setAlignEachLine(true);
    switch (state) {
    case ListState::Rows:
        break;
    case ListState::Loading:
        setSpriteText(text, lang::ResourceFile::loadText(LoadingText));
        break;
    case ListState::Unreachable:
        setSpriteText(text, lang::ResourceFile::loadText(UnreachableText));
        break;
    case ListState::Empty:
        setSpriteText(text, lang::ResourceFile::loadText(NoTimesText));
        break;
    }
}

void BlitzTimes::showShopButtons()
{
    for (int32_t shop = 1; shop <= Shops; ++shop)
        enableButton(shopButton(shop), isShopOpen(shop));
}

void BlitzTimes::showModeButtons()
{
    showFrame(getChild("modetitles"), global ? 0 : 1);
    setSelected(getChild("btn_timeGlobal"), global);
    setSelected(getChild("btn_timeLocal"), !global);
}

int32_t BlitzTimes::onButton(const lang::String& buttonName, lang::String&)
{
    if (buttonName.equals("btn_timeMenu")) {
        playClick();
        setVisible(false);
        if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance())
            canvas->setCurrentScreen(ScreenBlitzMenu);
        return Closed;
    }
    if (buttonName.startsWith(ShopButtonPrefix)) {
        playClick();
        selectShop(std::atoi(buttonName.substring(int32_t(std::strlen(ShopButtonPrefix))).c_str()), true);
        return Swallowed;
    }
    if (buttonName.equals("btn_timeGlobal") || buttonName.equals("btn_timeLocal")) {
        playClick();
        setGlobal(buttonName.equals("btn_timeGlobal"));
        return Swallowed;
    }
    if (buttonName.equals("timearrow_up") || buttonName.equals("timearrow_down")) {
        playClick();
        scroll(buttonName.equals("timearrow_up") ? -1 : 1);
        return Swallowed;
    }
    return NotHandled;
}

bool BlitzTimes::update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion)
{
    if (board && board->poll() && global) {
        buildGlobal();
        fillRows();
    }
    return DialogSprite::update(frameNo, outBounds, dirtyRegion);
}

bool BlitzTimes::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "BlitzTimes") == 0 || DialogSprite::isInstanceOf(className);
}

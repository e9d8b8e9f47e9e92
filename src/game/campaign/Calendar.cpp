#include "game/campaign/Calendar.h"

#include "game/Kipto2Canvas.h"
#include "game/campaign/CalendarProgress.h"
#include "game/campaign/CampaignSprites.h"
#include "game/flow/SpriteHelpers.h"
#include "game/save/ProfileSave.h"
#include "lang/ResourceFile.h"
#include "sprite/ActionSchedule.h"
#include "sprite/AnimateSprite.h"
#include "sprite/ButtonMixin.h"
#include "sprite/DataLoader.h"

#include <algorithm>
#include <cstring>

Calendar::CalendarClass Calendar::classObject("Calendar");

namespace {

using State = sprite::ButtonMixin::State;

constexpr const char* CellPrefix = "buttonshop";
constexpr const char* PlayButtons[] = {"play_button", "replaybtn", "upgradebtn"};
constexpr const char* Markers[] = {"marker_idle", "marker_circle", "marker_loop", "marker_hop"};
constexpr const char* Notes[] = {"notes_itemNumbers", "notes_days", "notes_shops", "ItemsFound"};
constexpr int32_t LastNumberFrame = 15;
constexpr int32_t HopTicksPerFrame = 4;
constexpr int32_t CircleTicksPerFrame = 3;
constexpr int32_t WaveTicksPerFrame = 6;
// A resting Kip whose marker was made to wait before an announcement checks again this often.
constexpr int32_t UnlockRetryFrames = 5;

// The washi tape of the decorated pages: its frame and the cell it sticks to.
struct Doodle {
    int32_t page, frame, column;
};
constexpr Doodle Doodles[] = {{1, 0, 3}, {3, 1, 2}, {5, 2, 4}, {6, 3, 0}, {9, 4, 3}, {11, 5, 4}};

lang::String numbered(const char* prefix, int32_t number)
{
    return lang::String(prefix) + number;
}

} // namespace

Calendar::Calendar() : save(lang::adopt(new ProfileSave))
{
}

Calendar::~Calendar() = default;

CalendarProgress Calendar::progress() const
{
    return CalendarProgress(layout, *save);
}

ProfileSave& Calendar::record()
{
    return *save;
}

void Calendar::playSound(int32_t entry)
{
    if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance())
        canvas->playSoundEntry(entry);
}

// --- what the canvas asks

void Calendar::refresh(ProfileSave* record)
{
    save = record ? lang::retain(record) : lang::adopt(new ProfileSave);
    progress().settle();
    page = save->reachedWeek;
    selectedCell = save->reachedCell;
    // A calendar on the screen shows the record it holds.
    if (visible)
        buildPage(page);
}

void Calendar::dayPlayed(int32_t shop, int32_t day)
{
    CalendarProgress rules = progress();
    rules.settle();
    if (selectedCell < 0)
        return;
    const CalendarProgress::Played played = rules.dayPlayed(shop, day, {page, selectedCell});
    if (played != CalendarProgress::Played::Moved || shop != CalendarLayout::DecoratingNumber)
        return;
    // The decorating visit leads straight into the own shop's day: the selection goes along.
    page = save->reachedWeek;
    selectedCell = save->reachedCell;
    save->calendarWeek = save->reachedWeek;
    save->calendarCell = save->reachedCell;
}

void Calendar::shopUnlockContinued()
{
    Kipto2Canvas* canvas = Kipto2Canvas::getInstance();
    showSprite(canvas ? canvas->getDialogs().shopUnlock() : nullptr, false);
    showSprite(getChild("blackdrop"), false);
    if (pendingUnlock < 0)
        return;
    pendingUnlock = -1;
    settling = true;
    const CalendarProgress rules = progress();
    bool fading = false;
    for (int32_t column = 0; column < CalendarLayout::Columns; ++column) {
        sprite::SpriteBase* cell = cells[column].get();
        const CalendarCell at{page, column};
        if (!cell || !rules.isAnnounced(layout.numberAt(at)))
            continue;
        if (cell->isVisible() && cell->getAlpha() == OpaqueAlpha)
            continue;
        if (!cell->isVisible()) {
            cell->setAlpha(0);
            cell->setVisible(true);
        }
        cell->fadeTo(OpaqueAlpha, UnlockFadeFrames, false);
        cell->setListener(this, lang::String("doSetSelectedDay"));
        enableButton(cell, rules.isReached(at));
        fading = true;
    }
    if (fading) {
        playSound(CellAppearsSound);
    } else if (canvas) {
        canvas->scheduleAction(1, "doSetSelectedDay", 0, this, this);
    }
}

// --- the dialog

void Calendar::tableLoaded(sprite::DataLoader* loader)
{
    DialogSprite::tableLoaded(loader);
    const lang::IntArray* numbers = loader ? loader->getData() : nullptr;
    layout.read(numbers ? numbers->data() : nullptr, numbers ? numbers->length() : 0);
    for (int32_t number = 1; number <= CalendarLayout::Numbers; ++number)
        showSprite(getChild(numbered(CellPrefix, number)), false);
    showSprite(getChild("stars"), false);
    const CalendarLayout::Point cell0 = layout.cellPosition(0);
    if (sprite::SpriteBase* idle = getChild("marker_idle"))
        markerOffset = {idle->getX() - cell0.x, idle->getY() - cell0.y};
    if (sprite::SpriteBase* doodle = getChild("doodle_strip"))
        doodleOffset = {doodle->getX() - cell0.x, doodle->getY() - cell0.y};
    for (int32_t i = 0; i < childCount(); ++i) {
        lang::Ref<sprite::SpriteBase> child = lang::adopt(getChild(i));
        useFiveCellLooks(child.get());
    }
    setChildrenFireOnRelease(true);
    if (!visible)
        hidePageSprites();
}

void Calendar::setVisible(bool on)
{
    const bool opening = on && !visible;
    DialogSprite::setVisible(on);
    Kipto2Canvas* canvas = Kipto2Canvas::getInstance();
    if (!on && canvas)
        canvas->scheduleAction(0, "markerWave",
            sprite::ActionSchedule::Cancel | sprite::ActionSchedule::MatchSourceAndTarget, this, this);
    if (!opening)
        return;
    showSprite(getChild("blackdrop"), false);
    progress().settle();
    page = save->reachedWeek;
    selectedCell = save->reachedCell;
    buildPage(page);
    if (canvas)
        canvas->scheduleAction(WavePeriodFrames, "markerWave",
            sprite::ActionSchedule::Repeat | sprite::ActionSchedule::Replace
                | sprite::ActionSchedule::MatchSourceAndTarget,
            this, this);
}

int32_t Calendar::onButton(const lang::String& buttonName, lang::String& outName)
{
    const bool arrow = buttonName.equals("arrow_left") || buttonName.equals("arrow_right");
    const bool playButton = std::any_of(std::begin(PlayButtons), std::end(PlayButtons),
        [&](const char* name) { return buttonName.equals(name); });
    const int32_t column = columnOfButton(buttonName);
    if (!arrow && !playButton && column < 0)
        return NotHandled;
    if (busy())
        return Swallowed;
    if (arrow) {
        turnPage(buttonName.equals("arrow_left") ? -1 : 1);
        return Swallowed;
    }
    if (column >= 0 && column != selectedCell) {
        playSound(ClickSound);
        selectCell(column);
        return Swallowed;
    }
    outName = enterName();
    if (outName.isEmpty())
        return Swallowed;
    playSound(ClickSound);
    return Action;
}

void Calendar::onAction(lang::Object*, const lang::String& name)
{
    if (name.equals("doShopUnlock"))
        showShopUnlock();
    else if (name.equals("doSetSelectedDay"))
        setSelectedDay();
    else if (name.equals("drawCircleAnim"))
        drawCircle();
    else if (name.equals("finishSettingSelectedDay"))
        landMarker();
    else if (name.equals("markerArrived"))
        markerArrived();
    else if (name.equals("markerWave"))
        wave();
}

// --- pages

void Calendar::buildPage(int32_t wanted)
{
    CalendarProgress rules = progress();
    rules.settle();
    page = std::clamp<int32_t>(wanted, 1, save->reachedWeek);
    enableButton(getChild("arrow_left"), page > 1);
    enableButton(getChild("arrow_right"), page < save->reachedWeek);
    enableButton(getChild("menu_button"), true);
    clearPage();
    hidePageSprites();
    showNotes(rules.marker());
    showDoodle();
    showFrame(getChild("CalendarTabs"), page - 1);
    showFrame(getChild("week_numbers"), page - 1);
    showSprite(getChild("week_numbers"), true);
    // Kip stands where the marker was left when that is on this page.
    markerColumn = save->calendarWeek == page ? save->calendarCell : -1;
    marker = Marker::Hidden;
    for (int32_t column = 0; column < CalendarLayout::Columns; ++column)
        placeCell(column);
    selectedCell = page == save->reachedWeek ? save->reachedCell : firstEnabledColumn();
    updatePlayButtons();
    if (pendingUnlock < 0)
        pendingUnlock = rules.firstNewlyOpenedShop().value_or(-1);
    if (pendingUnlock >= 0) {
        scheduleUnlock();
        return;
    }
    save->calendarWeek = static_cast<int16_t>(page);
    selectCell(selectedCell);
}

void Calendar::scheduleUnlock()
{
    using Schedule = sprite::ActionSchedule;
    if (Kipto2Canvas* canvas = Kipto2Canvas::getInstance())
        canvas->scheduleAction(UnlockDelaySeconds, "doShopUnlock",
            Schedule::InSeconds | Schedule::Replace | Schedule::MatchSourceAndTarget, this, this);
}

void Calendar::clearPage()
{
    for (lang::Ref<sprite::SpriteBase>& cell : cells) {
        if (cell)
            remove(cell.get());
        cell.reset();
    }
    for (lang::Ref<sprite::SpriteBase>& badge : badges)
        remove(badge.get());
    badges.clear();
    pendingUnlock = -1;
    settling = false;
}

void Calendar::hidePageSprites()
{
    for (const char* name : {"doodle_strip", "week_numbers"})
        showSprite(getChild(name), false);
    for (const char* name : Markers) {
        sprite::SpriteBase* sprite = getChild(name);
        showSprite(sprite, false);
        if (sprite)
            sprite->setListener(nullptr, nullptr);
    }
    for (const char* name : Notes)
        showSprite(getChild(name), false);
    for (const char* name : PlayButtons) {
        showSprite(getChild(name), false);
        enableButton(getChild(name), false);
    }
    for (int32_t number = 1; number <= CalendarLayout::Numbers; ++number)
        showSprite(getChild(numbered(CellPrefix, number)), false);
}

void Calendar::showDoodle()
{
    sprite::SpriteBase* doodle = getChild("doodle_strip");
    if (!doodle)
        return;
    for (const Doodle& entry : Doodles) {
        if (entry.page != page)
            continue;
        const CalendarLayout::Point cell = layout.cellPosition(entry.column);
        doodle->setLocation(cell.x + doodleOffset.x, cell.y + doodleOffset.y);
        showFrame(doodle, entry.frame);
        doodle->setVisible(true);
    }
}

void Calendar::placeCell(int32_t column)
{
    const CalendarCell at{page, column};
    const int32_t number = layout.numberAt(at);
    sprite::SpriteBase* model = number ? getChild(numbered(CellPrefix, number)) : nullptr;
    if (!model)
        return;
    const int32_t day = layout.dayOf(at);
    lang::Ref<sprite::SpriteBase> cell = lang::adopt(model->duplicate());
    const CalendarLayout::Point place = layout.cellPosition(column);
    cell->setLocation(place.x, place.y);
    cell->setListener(nullptr, nullptr);
    const lang::String name = numbered(CellPrefix, number) + "_" + day;
    if (sprite::SpriteBase* tabs = getChild("CalendarTabs"))
        addNamedBefore(name, cell.get(), tabs);
    else
        addNamed(name, cell.get());
    cells[column] = cell;

    const CalendarProgress rules = progress();
    cell->setAlpha(OpaqueAlpha);
    enableButton(cell.get(), false);
    if (rules.isNewlyOpened(number)) {
        // Shown once it has been announced.
        cell->setAlpha(0);
        cell->setVisible(true);
        pendingUnlock = pendingUnlock < 0 ? number : pendingUnlock;
        return;
    }
    if (!rules.isAnnounced(number)) {
        cell->setVisible(false);
        return;
    }
    cell->setVisible(true);
    enableButton(cell.get(), rules.isReached(at));
    if (const std::optional<int32_t> badge = rules.badgeOf(at))
        addBadge(column, *badge);
}

void Calendar::addBadge(int32_t column, int32_t frame)
{
    sprite::SpriteBase* model = getChild("stars");
    if (!model)
        return;
    lang::Ref<sprite::SpriteBase> badge = lang::adopt(model->duplicate());
    const CalendarLayout::Point place = layout.cellPosition(column);
    badge->setLocation(place.x + BadgeOffsetX, place.y + BadgeOffsetY);
    showFrame(badge.get(), frame);
    badge->setVisible(true);
    // The badges lie over the cards, just after the week tabs.
    insertAfter(badge.get(), getChild("CalendarTabs"));
    badges.push_back(badge);
}

int32_t Calendar::firstEnabledColumn() const
{
    for (int32_t column = 0; column < CalendarLayout::Columns; ++column) {
        sprite::SpriteBase* cell = cells[column].get();
        if (cell && cell->isVisible() && buttonState(cell) != State::Disabled)
            return column;
    }
    return -1;
}

void Calendar::showNotes(CalendarCell cell)
{
    const int32_t number = layout.numberAt(cell);
    for (const char* name : Notes)
        showSprite(getChild(name), false);
    if (number == 0)
        return;
    showFrame(getChild("notes_days"), cell.column);
    showSprite(getChild("notes_days"), true);
    showFrame(getChild("notes_shops"), number - 1);
    showSprite(getChild("notes_shops"), true);
    const int32_t best = progress().bestServed(number, layout.dayOf(cell));
    if (best <= 0)
        return;
    showFrame(getChild("notes_itemNumbers"), std::min(best, LastNumberFrame));
    showSprite(getChild("notes_itemNumbers"), true);
    showSprite(getChild("ItemsFound"), true);
}

void Calendar::updatePlayButtons()
{
    for (const char* name : PlayButtons) {
        showSprite(getChild(name), false);
        enableButton(getChild(name), false);
    }
    const CalendarCell at{page, selectedCell};
    const int32_t number = selectedCell >= 0 ? layout.numberAt(at) : 0;
    if (number == 0)
        return;
    const CalendarProgress rules = progress();
    const char* shown = number > CalendarLayout::ShopCount ? "upgradebtn"
        : rules.isFurthest(at) && !rules.isFinished()      ? "play_button"
                                                           : "replaybtn";
    showSprite(getChild(shown), true);
    enableButton(getChild(shown), true);
    enableButton(getChild("menu_button"), true);
}

lang::String Calendar::enterName() const
{
    if (selectedCell < 0)
        return lang::String();
    sprite::SpriteBase* cell = cells[selectedCell].get();
    if (!cell || !cell->isVisible() || buttonState(cell) == State::Disabled)
        return lang::String();
    const CalendarCell at{page, selectedCell};
    return lang::String("EnterShop") + layout.numberAt(at) + "_" + layout.dayOf(at);
}

int32_t Calendar::columnOfButton(const lang::String& name) const
{
    for (int32_t column = 0; column < CalendarLayout::Columns; ++column) {
        if (cells[column] && cells[column]->getName().equals(name))
            return column;
    }
    return -1;
}

void Calendar::turnPage(int32_t step)
{
    const int32_t next = page + step;
    if (next < 1 || next > save->reachedWeek)
        return;
    playSound(step < 0 ? PageBackSound : PageNextSound);
    selectedCell = 0;
    save->calendarCell = 0;
    buildPage(next);
}

// --- the marker

CalendarLayout::Point Calendar::restPoint(int32_t column) const
{
    const CalendarLayout::Point cell = layout.cellPosition(column);
    return {cell.x + markerOffset.x, cell.y + markerOffset.y};
}

void Calendar::selectCell(int32_t column)
{
    for (const char* name : {"marker_hop", "marker_loop"})
        showSprite(getChild(name), false);
    if (column < 0) {
        showSprite(getChild("marker_idle"), false);
        showSprite(getChild("marker_circle"), false);
        marker = Marker::Hidden;
        markerColumn = -1;
        updatePlayButtons();
        return;
    }
    selectedCell = column;
    save->calendarCell = static_cast<int16_t>(column);
    showNotes({page, column});
    const bool newlyReached
        = page == save->reachedWeek && column == save->reachedCell && markerColumn != column;
    if (newlyReached) {
        hopTo(column);
    } else {
        showCircle();
        glideTo(column, markerColumn >= 0 && markerColumn != column);
    }
    markerColumn = column;
    updatePlayButtons();
}

void Calendar::showCircle()
{
    sprite::SpriteBase* circle = getChild("marker_circle");
    if (!circle)
        return;
    const bool reachedPage = page == save->reachedWeek;
    circle->setVisible(reachedPage);
    if (!reachedPage)
        return;
    const CalendarLayout::Point place = layout.circlePosition(save->reachedCell);
    circle->setLocation(place.x, place.y);
    circle->setAlpha(selectedCell == save->reachedCell ? CircleSelectedAlpha : CircleOtherAlpha);
}

void Calendar::glideTo(int32_t column, bool fromWhereItStands)
{
    sprite::AnimateSprite* idle = asAnimation(getChild("marker_idle"));
    if (!idle) {
        marker = Marker::Resting;
        return;
    }
    idle->setAnimation(0, false);
    idle->setPingPong(false);
    idle->setFrame(0);
    idle->setVisible(true);
    const CalendarLayout::Point rest = restPoint(column);
    if (!fromWhereItStands) {
        idle->setLocation(rest.x, rest.y);
        marker = Marker::Resting;
        return;
    }
    idle->setListener(this, lang::String("markerArrived"));
    idle->moveTo(rest.x, rest.y, GlideFrames);
    marker = Marker::Gliding;
}

void Calendar::hopTo(int32_t column)
{
    sprite::AnimateSprite* hop = asAnimation(getChild("marker_hop"));
    sprite::SpriteBase* idle = getChild("marker_idle");
    if (!hop || !idle) {
        glideTo(column, markerColumn >= 0);
        return;
    }
    showSprite(getChild("marker_circle"), false);
    // Kip leaves from where he stands (his feet where the resting picture has them).
    const CalendarLayout::Point from = restPoint(markerColumn >= 0 ? markerColumn : column);
    idle->setVisible(false);
    hop->setLocation(
        from.x + (idle->getWidth() - hop->getWidth()) / 2, from.y + idle->getHeight() - hop->getHeight());
    hop->setFrame(0);
    hop->setTicksPerStep(HopTicksPerFrame);
    hop->setAnimation(1, false);
    hop->setVisible(true);
    const CalendarLayout::Point circle = layout.circlePosition(column);
    hop->setListener(this, lang::String("drawCircleAnim"));
    hop->moveTo(circle.x + HopOffsetX, circle.y + HopOffsetY, HopFrames);
    marker = Marker::Hopping;
}

void Calendar::drawCircle()
{
    if (marker != Marker::Hopping)
        return;
    sprite::AnimateSprite* loop = asAnimation(getChild("marker_loop"));
    if (!loop) {
        marker = Marker::Circling;
        landMarker();
        return;
    }
    const CalendarLayout::Point circle = layout.circlePosition(markerColumn);
    loop->setLocation(circle.x, circle.y);
    loop->setFrame(0);
    loop->setTicksPerStep(CircleTicksPerFrame);
    loop->setAnimation(1, false);
    loop->setVisible(true);
    loop->setListener(this, lang::String("finishSettingSelectedDay"));
    marker = Marker::Circling;
}

void Calendar::landMarker()
{
    if (marker != Marker::Circling)
        return;
    showSprite(getChild("marker_loop"), false);
    showCircle();
    sprite::SpriteBase* hop = getChild("marker_hop");
    sprite::SpriteBase* idle = getChild("marker_idle");
    if (hop && idle) {
        // From the top of the card Kip steps down to his place beside it.
        idle->setLocation(hop->getX() + (hop->getWidth() - idle->getWidth()) / 2,
            hop->getY() + hop->getHeight() - idle->getHeight());
        hop->setVisible(false);
    }
    glideTo(markerColumn, true);
}

void Calendar::markerArrived()
{
    sprite::SpriteBase* idle = getChild("marker_idle");
    if (marker == Marker::Gliding && (!idle || idle->getMoveFrames() == 0))
        marker = Marker::Resting;
}

void Calendar::wave()
{
    sprite::AnimateSprite* idle = asAnimation(getChild("marker_idle"));
    if (!visible || marker != Marker::Resting || !idle || !idle->isVisible())
        return;
    idle->setFrame(0);
    idle->setTicksPerStep(WaveTicksPerFrame);
    idle->setPingPong(true);
    idle->setBounces(1);
    idle->setAnimation(1, false);
}

// --- announcements

void Calendar::showShopUnlock()
{
    if (pendingUnlock < 0 || !visible)
        return;
    Kipto2Canvas* canvas = Kipto2Canvas::getInstance();
    if (!isMarkerAtRest()) {
        if (canvas)
            canvas->scheduleAction(UnlockRetryFrames, "doShopUnlock", 0, this, this);
        return;
    }
    showSprite(getChild("blackdrop"), true);
    progress().announce(pendingUnlock);
    sprite::DialogSprite* unlock = canvas ? canvas->getDialogs().shopUnlock() : nullptr;
    if (!unlock)
        return;
    // Decorating the own shop is told as the own shop's opening.
    const int32_t textNumber
        = pendingUnlock == CalendarLayout::DecoratingNumber ? CalendarProgress::OwnShop : pendingUnlock;
    showSprite(unlock->getChild("blitzmodetitle"), false);
    setSpriteText(unlock->getChild("SUText"), lang::ResourceFile::loadText(numbered("SUText", textNumber)));
    showFrame(unlock->getChild("ShopIcon"), pendingUnlock - 1);
    canvas->addSprite(unlock);
    unlock->setVisible(true);
}

void Calendar::setSelectedDay()
{
    if (!settling)
        return;
    settling = false;
    // Only one shop opens at a time in our layout; any other waiting is announced next.
    if (const std::optional<int32_t> next = progress().firstNewlyOpenedShop()) {
        pendingUnlock = *next;
        scheduleUnlock();
        return;
    }
    save->calendarWeek = static_cast<int16_t>(page);
    selectCell(selectedCell);
}

bool Calendar::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Calendar") == 0 || DialogSprite::isInstanceOf(className);
}

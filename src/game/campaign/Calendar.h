// The calendar ("Calendar"): Kip's diary of the campaign, one week to a page. Each cell of a
// page is a round (a shop's day, an upgrade or a decorating visit); cells open one after another
// as rounds are passed, and a shop is announced with the shop-unlock dialog before its cells can
// be used. The player selects a cell and starts it: the calendar turns the choice into
// "EnterShop" followed by the calendar number, "_" and the day, which the canvas opens.
//
// The layout and the rules live in CalendarLayout and CalendarProgress; this dialog builds the
// pages (cell buttons, star badges, notes, week tabs, the doodle strip), moves the marker (Kip
// glides to a selected cell, hops onto the newly reached one and pencils a circle round it)
// and runs the announcements.
#pragma once

#include "game/campaign/CalendarLayout.h"
#include "game/flow/CalendarScreen.h"
#include "lang/Class.h"
#include "lang/Ref.h"
#include "sprite/DialogSprite.h"

#include <array>
#include <vector>

class CalendarProgress;
class ProfileSave;

class Calendar : public sprite::DialogSprite, public CalendarScreen {
public:
    struct CalendarClass : lang::ClassOf<Calendar> {
        using ClassOf::ClassOf;
    };
    static CalendarClass classObject;

    // Sound entries.
    static constexpr int32_t PageBackSound = 48;
    static constexpr int32_t PageNextSound = 49;
    static constexpr int32_t ClickSound = 51;
    static constexpr int32_t CellAppearsSound = 56;
    // Frames of the marker's moves and of the unlocked cells' fade.
    static constexpr int32_t GlideFrames = 12;
    static constexpr int32_t HopFrames = 24;
    static constexpr int32_t UnlockFadeFrames = 15;
    static constexpr int32_t UnlockDelaySeconds = 1;
    // Kip waves now and then while resting.
    static constexpr int32_t WavePeriodFrames = 125;
    // Alpha of the circle round the furthest cell, selected or not.
    static constexpr int32_t CircleSelectedAlpha = 128;
    static constexpr int32_t CircleOtherAlpha = 48;
    // Where a card's star badge and Kip's hop land, from the card and from its circle.
    static constexpr int32_t BadgeOffsetX = 135;
    static constexpr int32_t BadgeOffsetY = 74;
    static constexpr int32_t HopOffsetX = 70;
    static constexpr int32_t HopOffsetY = -120;

    Calendar();
    ~Calendar() override;

    // --- what the canvas asks of the calendar
    void refresh(ProfileSave* save) override;
    void dayPlayed(int32_t shop, int32_t day) override;
    void shopUnlockContinued() override;

    // --- the dialog
    // Reads the layout from the table's <data> and hides the templates.
    void tableLoaded(sprite::DataLoader* loader) override;
    // Shown: opens on the furthest week with the furthest cell selected.
    void setVisible(bool on) override;
    // Cells, arrows and the play buttons; the rest goes to the canvas.
    int32_t onButton(const lang::String& buttonName, lang::String& outName) override;
    // Announcements and the ends of the marker's moves.
    void onAction(lang::Object* source, const lang::String& name) override;

    // --- state, for the tests and the harness
    int32_t getPage() const { return page; }
    int32_t getSelectedCell() const { return selectedCell; }
    int32_t getPendingUnlock() const { return pendingUnlock; }
    bool isMarkerAtRest() const { return marker == Marker::Resting || marker == Marker::Hidden; }
    // No announcement waits or is closing and Kip is at rest: the calendar takes clicks.
    bool isSettled() const { return pendingUnlock < 0 && !settling && isMarkerAtRest(); }
    const CalendarLayout& getLayout() const { return layout; }
    // The cell button of a column on the shown page (not counted), or none.
    sprite::SpriteBase* cellButton(int32_t column) const { return cells[column].get(); }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "Calendar"; }

private:
    enum class Marker { Hidden, Resting, Gliding, Hopping, Circling };

    CalendarProgress progress() const;
    ProfileSave& record();
    void playSound(int32_t entry);
    bool busy() const { return !isSettled(); }

    // --- pages
    void buildPage(int32_t wanted);
    void clearPage();
    void hidePageSprites();
    void showDoodle();
    void placeCell(int32_t column);
    void addBadge(int32_t column, int32_t frame);
    int32_t firstEnabledColumn() const;
    void showNotes(CalendarCell cell);
    void updatePlayButtons();
    // The "EnterShop" name of the selected cell; empty when it cannot be started.
    lang::String enterName() const;
    int32_t columnOfButton(const lang::String& name) const;
    void turnPage(int32_t step);

    // --- the marker
    void selectCell(int32_t column);
    void showCircle();
    // Kip walks to the column's place from where he stands, or appears there.
    void glideTo(int32_t column, bool fromWhereItStands);
    void hopTo(int32_t column);
    void drawCircle();
    void landMarker();
    void markerArrived();
    void wave();
    CalendarLayout::Point restPoint(int32_t column) const;

    // --- announcements
    void scheduleUnlock();
    void showShopUnlock();
    void setSelectedDay();

    CalendarLayout layout;
    lang::Ref<ProfileSave> save;
    int32_t page = 1;
    int32_t selectedCell = -1;
    int32_t pendingUnlock = -1;
    std::array<lang::Ref<sprite::SpriteBase>, CalendarLayout::Columns> cells;
    std::vector<lang::Ref<sprite::SpriteBase>> badges;
    // Where "marker_idle" and "doodle_strip" stand relative to a cell, from their templates.
    CalendarLayout::Point markerOffset;
    CalendarLayout::Point doodleOffset;
    Marker marker = Marker::Hidden;
    // The column Kip stands at on the shown page, or -1.
    int32_t markerColumn = -1;
    // An announcement was closed and the marker is to settle once the cells have faded in.
    bool settling = false;
};

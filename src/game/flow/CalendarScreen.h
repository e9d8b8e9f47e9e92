// What the canvas asks of the calendar ("Calendar"): its class implements it beside its
// dialog base, and the canvas finds it by name.
#pragma once

#include <cstdint>

class ProfileSave;

class CalendarScreen {
public:
    // Takes the save record before the calendar is shown. Borrowed: keep a reference of your
    // own to hold it (choosing a profile replaces it).
    virtual void refresh(ProfileSave* save) = 0;
    // A round of the shop and day has been played: the progress moves on.
    virtual void dayPlayed(int32_t shop, int32_t day) = 0;
    // The shop-unlock dialog's "SUContinue" while the calendar is shown.
    virtual void shopUnlockContinued() = 0;

protected:
    ~CalendarScreen() = default;
};

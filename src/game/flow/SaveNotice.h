// The notice that tells the player the game could not be saved: a full disk, or a settings file
// that another copy of the game holds. It is looked at every frame step and comes up over every
// screen when writes to the settings file start to fail, once for each run of failed writes; it
// goes away when the player closes it, or by itself when a later write reaches the file. The
// game plays on meanwhile.
#pragma once

#include "lang/Ref.h"
#include "sprite/DialogSprite.h"

namespace sprite {
class GameCanvas3;
}

class SaveNotice {
public:
    static constexpr const char* DialogName = "SaveTroubleDlg";
    static constexpr const char* CloseButton = "STGotIt";

    // Looks its dialog up in the canvas's table; without one, failures are only logged.
    void find(sprite::GameCanvas3& canvas);
    // `failureRuns` counts the runs of failed writes so far (User::getWriteFailureRuns) and
    // `failing` says whether the last write failed. A new run brings the notice up; a stored
    // write takes it away. Nothing before find: failures while loading are told once it is done.
    void update(sprite::GameCanvas3& canvas, int32_t failureRuns, bool failing);
    // The player has read it; it comes again with the next run of failures.
    void close();

private:
    lang::Ref<sprite::DialogSprite> dialog;
    bool found = false;
    int32_t toldRuns = 0;
};

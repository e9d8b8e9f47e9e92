#include "game/flow/SaveNotice.h"

#include "game/flow/SpriteHelpers.h"
#include "lang/Debug.h"
#include "sprite/GameCanvas3.h"

void SaveNotice::find(sprite::GameCanvas3& canvas)
{
    found = true;
    dialog = findDialog(canvas, DialogName);
}

void SaveNotice::update(sprite::GameCanvas3& canvas, int32_t failureRuns, bool failing)
{
    if (!found)
        return;
    if (failureRuns != toldRuns) {
        toldRuns = failureRuns;
        lang::debugOutput("SaveNotice: saving fails; the player is told\n");
        // Added again, the notice stands above every screen and page opened since the start.
        canvas.addSprite(dialog.get());
        showSprite(dialog.get(), true);
    } else if (!failing && dialog && dialog->isVisible()) {
        lang::debugOutput("SaveNotice: saving works again\n");
        showSprite(dialog.get(), false);
    }
}

void SaveNotice::close()
{
    showSprite(dialog.get(), false);
}

// The dialogs that end a round: "RoundCompleteDlg" for a passed day (bronze from 10 served,
// silver from 13, gold at 15) or a Blitz round (with a new best time or without), and
// "RoundFailDlg" for a day that ended below 10. Texts come from the package: "RCText" followed
// by the shop number (or 13 and 14 for Blitz), with "%" for the count and "^" for the medal.
#pragma once

#include "lang/String.h"
#include "sprite/DialogSprite.h"

class RoundResults {
public:
    enum class Medal { None, Bronze, Silver, Gold };

    static constexpr int32_t PassServed = 10;
    static constexpr int32_t SilverServed = 13;
    static constexpr int32_t GoldServed = 15;
    static constexpr int32_t BlitzTextNewBest = 14;
    static constexpr int32_t BlitzText = 13;

    static Medal medalOf(int32_t served);
    // The pattern with "%" replaced by the count and "^" by the medal's name.
    static lang::String fill(const lang::String& pattern, int32_t served, const lang::String& medal);

    // The dialogs (not counted; none skips that dialog).
    RoundResults(sprite::DialogSprite* complete, sprite::DialogSprite* fail);

    // Fills and shows the dialog of a day's end; answers the sound entry to play (0 for none).
    int32_t showDay(int32_t shop, int32_t served);
    // Fills and shows the dialog of a Blitz round's end; answers the sound entry.
    int32_t showBlitz(bool newBest);
    void hideAll();

private:
    void show(sprite::DialogSprite* dialog, const char* childName, bool on);
    void showStar(int32_t frame);

    sprite::DialogSprite* complete;
    sprite::DialogSprite* fail;
};

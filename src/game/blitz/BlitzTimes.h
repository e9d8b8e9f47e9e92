// The best-times panel inside the Blitz menu: for one shop, the best times of every profile on
// this computer (the local list) or the online list of the score service (the global list),
// twenty rows in two columns that scroll, with the player's own entry in the highlight colour.
// The shop buttons choose the shop (a shop not open to the player cannot be chosen), the mode
// buttons the list. The online list comes from a ScoreBoard: while a request runs the panel
// says it is loading and the game goes on; the answer is applied by the panel's frame update.
#pragma once

#include "game/blitz/ScoreAnswer.h"
#include "game/blitz/ScoreBoard.h"
#include "game/flow/BlitzTimesPanel.h"
#include "lang/Class.h"
#include "lang/Ref.h"
#include "sprite/DialogSprite.h"

#include <vector>

class ProfileStore;

class BlitzTimes : public sprite::DialogSprite, public BlitzTimesPanel {
public:
    struct BlitzTimesClass : lang::ClassOf<BlitzTimes> {
        using ClassOf::ClassOf;
    };
    static BlitzTimesClass classObject;

    // One row of a list: a player's name, a time in tenths of a second, the shop and the rank.
    using Score = ScoreAnswer::Entry;

    static constexpr int32_t Rows = 20;
    static constexpr int32_t Shops = 12;
    // The shop chosen when the one asked for is not open to the player.
    static constexpr int32_t FallbackShop = 11;
    // Tints of the rows' white text (a channel of 128 leaves the ink white): white rows, and
    // the player's own row in a warm yellow that stands out on the chalk board.
    static constexpr uint32_t NormalColor = 0x80808080u;
    static constexpr uint32_t HighlightColor = 0x80806010u;

    BlitzTimes();
    ~BlitzTimes() override;

    // The profiles (for the local list and the player's open shops) and the board that
    // fetches and submits (the panel gains a reference on both).
    void setUp(ProfileStore* profiles, ScoreBoard* board);

    // --- BlitzTimesPanel
    void fill(int32_t shop) override;
    int32_t getLastTime() const override { return lastTime; }
    void setLastTime(int32_t tenths) override { lastTime = tenths; }
    // Sends the score of the shop that was played and shows the online list, which the
    // answer to the submission replaces. The same (shop, score) is sent once.
    void submitTime(const lang::String& playerName, int32_t shop, int32_t score) override;

    // Chooses the shop (FallbackShop when it is not open to the player); with refresh the
    // list is built again.
    void selectShop(int32_t shop, bool refresh);
    // Shows the online list (true) or the local one.
    void setGlobal(bool on);
    // Moves the list by rows; the rows shown stay full.
    void scroll(int32_t rows);

    int32_t getSelectedShop() const { return selectedShop; }
    bool isGlobal() const { return global; }
    const std::vector<Score>& getScores() const { return scores; }
    int32_t getScrollOffset() const { return scrollOffset; }
    int32_t getHighlightRank() const { return highlightRank; }
    ScoreBoard* getBoard() const { return board.get(); }
    // Whether the player may choose the shop for Blitz: its opening announced and the
    // shop completed in the current profile's record.
    bool isShopOpen(int32_t shop) const;

    // The best times of the shop over the profiles, fastest first; equal times keep the order
    // in which the profiles are listed. The current profile's times come from its record in
    // memory, the others' from their stored records. Ranks count from 1.
    static std::vector<Score> localScores(ProfileStore& profiles, int32_t shop);

    // The panel's buttons; a press on "btn_timeMenu" closes it.
    int32_t onButton(const lang::String& buttonName, lang::String& outName) override;
    // Applies a finished request of the board.
    bool update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion) override;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "BlitzTimes"; }

private:
    // What the list area says instead of rows.
    enum class ListState { Rows, Loading, Unreachable, Empty };

    // Builds the list of the mode (asking the board for an online list it lacks when `fetch`)
    // and fills the rows.
    void rebuild(bool fetch);
    sprite::SpriteBase* shopButton(int32_t shop);
    void buildGlobal();
    void buildLocal();
    void fillRows();
    void showRow(int32_t row, const Score* score);
    void showState(ListState state);
    void showShopButtons();
    void showModeButtons();
    ListState stateOfList() const;
    // The entry holds the current player's name and last time.
    bool isPlayersLastTime(const Score& score) const;

    lang::Ref<ProfileStore> profiles;
    lang::Ref<ScoreBoard> board;
    int32_t selectedShop = FallbackShop;
    bool global = false;
    std::vector<Score> scores;
    int32_t scrollOffset = 0;
    int32_t highlightRank = -1;
    int32_t lastTime = -1;
};

// The story board ("StoryBoard"): the opening story told in full-screen pages, the package
// pictures "storyboard" followed by the story, "_" and the page, shown one after another in its
// child "bg" until the first missing one. "nextbutton" turns the page; after the last page the
// board hides itself and passes the press on as "StoryBoardDone", which opens the first round.
#pragma once

#include "game/flow/StoryBoardScreen.h"
#include "lang/Class.h"
#include "sprite/DialogSprite.h"

class StoryBoard : public sprite::DialogSprite, public StoryBoardScreen {
public:
    struct StoryBoardClass : lang::ClassOf<StoryBoard> {
        using ClassOf::ClassOf;
    };
    static StoryBoardClass classObject;

    static constexpr int32_t PageTurnSound = 49;

    // Story 1, page 1, shown.
    void showFromStart() override;
    // Shown: "bg" shows the picture of the story's page.
    void setVisible(bool on) override;
    void tableLoaded(sprite::DataLoader* loader) override;
    // "nextbutton": the next page, or "StoryBoardDone" after the last.
    int32_t onButton(const lang::String& buttonName, lang::String& outName) override;

    int32_t getStory() const { return story; }
    int32_t getPage() const { return page; }
    // The package item name of a page ("storyboard1_2").
    static lang::String pageName(int32_t story, int32_t page);

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "StoryBoard"; }

private:
    void showPage();

    int32_t story = 1;
    int32_t page = 1;
};

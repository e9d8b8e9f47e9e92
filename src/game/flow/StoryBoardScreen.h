// What the canvas asks of the story board ("StoryBoard"): its class implements it beside its
// dialog base, and the canvas finds it by name.
#pragma once

class StoryBoardScreen {
public:
    // Shows the story from its first page; its last page ends with "StoryBoardDone".
    virtual void showFromStart() = 0;

protected:
    ~StoryBoardScreen() = default;
};

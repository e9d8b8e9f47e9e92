// The instructions: pages named "pg1", "pg2", ... (the first missing number ends them) that
// the arrows turn with a cross-fade, and a close button. Only the current page is seen.
#pragma once

#include "lang/Class.h"
#include "sprite/DialogSprite.h"

class InstructDialog : public sprite::DialogSprite {
public:
    struct InstructDialogClass : lang::ClassOf<InstructDialog> {
        using ClassOf::ClassOf;
    };
    static InstructDialogClass classObject;

    static constexpr int32_t PageFadeFrames = 10;

    // Shown after being hidden: back to page 1, the arrows set for it.
    void setVisible(bool on) override;
    // The version line gets its font and text.
    void tableLoaded(sprite::DataLoader* loader) override;
    int32_t handleMousePressed(window::Event* event) override;

    int32_t getPage() const { return page; }
    int32_t getPageCount() const { return pageCount; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "InstructDialog"; }

private:
    sprite::SpriteBase* pageSprite(int32_t number);
    int32_t countPages();
    // Cross-fades to the page by `step` (1 or -1) when it exists.
    void turnPage(int32_t step);
    void updateArrows();

    int32_t page = 1;
    int32_t pageCount = 0;
    bool tableTaken = false;
};

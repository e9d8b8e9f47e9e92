// Sprite classes that only the harness's test package names.
//
// HarnessGate: a sprite whose table entry holds the loader thread until the script lets it go,
// so that a script can look at the loading screen half-way.
// HarnessDialog: a menu dialog whose buttons open ("open_" + name) and close ("close_" + name)
// its nested dialogs, and whose buttons fire on the release with a pressed look of their own
// (the sheet's fourth cell).
#pragma once

#include "sprite/BoundsSprite.h"
#include "sprite/DialogSprite.h"

namespace harness {

class HarnessGate : public sprite::BoundsSprite {
public:
    struct HarnessGateClass : lang::ClassOf<HarnessGate> {
        using ClassOf::ClassOf;
    };
    static HarnessGateClass classObject;

    // Waits in init while the gate is armed and not released.
    bool init(window::ImageArray* pictures, lang::IntArray* numbers) override;

    // Called by the script before the program starts.
    static void arm();
    // True once the loader thread waits at the gate.
    static bool isHolding();
    static void open();

    const char* getClassName() const override { return "HarnessGate"; }
};

class HarnessDialog : public sprite::DialogSprite {
public:
    struct HarnessDialogClass : lang::ClassOf<HarnessDialog> {
        using ClassOf::ClassOf;
    };
    static HarnessDialogClass classObject;

    // The cell of the button sheet that shows the pressed look.
    static constexpr int32_t PressedCell = 3;

    void tableLoaded(sprite::DataLoader* loader) override;
    int32_t onButton(const lang::String& buttonName, lang::String& outName) override;

    const char* getClassName() const override { return "HarnessDialog"; }
};

} // namespace harness

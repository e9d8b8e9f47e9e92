// The name prompt of a new profile ("ProfilePrompt"): the player types a name of at most 9
// allowed characters, with backspace and delete taking the last one back, and submits it with
// the button or return ("bsubmitprofile"). For the first profile it is the only way on; for a
// further one it can be cancelled ("bcanceladdprofile").
#pragma once

#include "lang/Class.h"
#include "sprite/DialogSprite.h"

class ProfileInputPrompt : public sprite::DialogSprite {
public:
    struct ProfileInputPromptClass : lang::ClassOf<ProfileInputPrompt> {
        using ClassOf::ClassOf;
    };
    static ProfileInputPromptClass classObject;

    static constexpr int32_t ReturnKey = 13;
    static constexpr int32_t BackspaceKey = 8;

    void tableLoaded(sprite::DataLoader* loader) override;
    // Shown: the buttons of the first-profile or the further-profile form.
    void setVisible(bool on) override;
    int32_t handleKey(window::Event* event) override;

    // Set by the canvas before it shows the prompt: false for the first profile.
    void setAddingAnother(bool another) { addingAnother = another; }
    bool isAddingAnother() const { return addingAnother; }
    // The name as typed (not trimmed).
    lang::String getName();

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ProfileInputPrompt"; }

private:
    void setName(const lang::String& name);
    // The submit button answers only when the trimmed name is not empty.
    void updateSubmit();

    bool addingAnother = false;
    int32_t submitX = 0;
    int32_t cancelX = 0;
};

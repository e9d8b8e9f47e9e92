// The profile chooser: the profiles five rows at a time with scroll buttons that repeat while
// held, a selected row, and buttons to play as the selected profile ("accept"), delete it
// (after the confirmation page "ProfileConfirm"), or make a new one. Its answers to the canvas
// are "profilechosen", "addnewprofile" and "addfirstprofile" (when the last profile is gone).
// The rows' names are copies of the centred text template "message", placed by the sub-table's
// <data> (the x and y of each row's name, rows 1 to 5) or else centred on the row buttons.
#pragma once

#include "game/profiles/ProfileStore.h"
#include "lang/Class.h"
#include "lang/Ref.h"
#include "sprite/DialogSprite.h"

#include <vector>

class ProfileList : public sprite::DialogSprite {
public:
    struct ProfileListClass : lang::ClassOf<ProfileList> {
        using ClassOf::ClassOf;
    };
    static ProfileListClass classObject;

    static constexpr int32_t RowCount = 5;
    // Frames a held scroll button waits before it repeats every frame.
    static constexpr int32_t ScrollRepeatDelay = 10;

    ProfileList();
    ~ProfileList() override;

    void tableLoaded(sprite::DataLoader* loader) override;
    // After loading: the profiles, and the template of the row names (the sub-table's own
    // "message" comes first).
    void setUp(ProfileStore* profiles, sprite::SpriteBase* rowTemplate);
    // Shown: the names read again and laid out.
    void setVisible(bool on) override;
    int32_t handleMousePressed(window::Event* event) override;
    int32_t handleMouseReleased(window::Event* event) override;
    bool update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion) override;

    // Lays the rows out from the names, the scroll offset and the selection.
    void refresh();
    void reloadNames();
    void deleteProfile(const lang::String& name);
    // Selects the profile; it is also the one that cancelling keeps.
    void selectName(const lang::String& name);
    const lang::String& getSelectedName() const { return selectedName; }
    const std::vector<lang::String>& getNames() const { return names; }
    int32_t getScrollOffset() const { return scrollOffset; }

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ProfileList"; }

private:
    sprite::SpriteBase* rowButton(int32_t row);
    void makeRowTexts(sprite::SpriteBase* rowTemplate);
    // Moves the scroll offset by a row; false at the end.
    bool scroll(int32_t step);
    void selectRow(int32_t row);
    // What the list does with a button's name; the result for the canvas.
    int32_t act(const lang::String& action);

    lang::Ref<ProfileStore> profiles;
    std::vector<lang::String> names;
    int32_t scrollOffset = 0;
    lang::String selectedName;
    // The profile playing when the list opened: cancelling keeps it.
    lang::String keptName;
    lang::Ref<sprite::SpriteBase> rowTexts[RowCount];
    // Where the rows' names go, from the sub-table's <data>, when it gives them.
    bool rowsPlaced = false;
    int32_t rowPlaces[RowCount][2] = {};
    bool scrollHeld = false;
    int32_t scrollDelay = 0;
    int32_t scrollStep = 0;
};

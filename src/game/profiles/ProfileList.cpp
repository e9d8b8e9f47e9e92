#include "game/profiles/ProfileList.h"

#include "game/flow/SpriteHelpers.h"
#include "game/profiles/ProfileName.h"
#include "sprite/ButtonMixin.h"
#include "sprite/DataLoader.h"
#include "sprite/NewFontSprite.h"
#include "window/Event.h"

#include <algorithm>
#include <cstring>

ProfileList::ProfileListClass ProfileList::classObject("ProfileList");

namespace {

constexpr const char* RowPrefix = "bprofilename";

int32_t centreX(const sprite::SpriteBase& sprite)
{
    const util::RectangleNM& bounds = sprite.getBounds();
    return bounds.x + bounds.width / 2;
}

int32_t centreY(const sprite::SpriteBase& sprite)
{
    const util::RectangleNM& bounds = sprite.getBounds();
    return bounds.y + bounds.height / 2;
}

void centreOn(sprite::SpriteBase& sprite, int32_t x, int32_t y)
{
    sprite.moveBy(x - centreX(sprite), y - centreY(sprite));
}

} // namespace

ProfileList::ProfileList() = default;

ProfileList::~ProfileList() = default;

sprite::SpriteBase* ProfileList::rowButton(int32_t row)
{
    return getChild(lang::String(RowPrefix) + (row + 1));
}

void ProfileList::tableLoaded(sprite::DataLoader* loader)
{
    DialogSprite::tableLoaded(loader);
    const lang::IntArray* numbers = loader ? loader->getData() : nullptr;
    rowsPlaced = numbers && numbers->length() >= 2 * RowCount;
    for (int32_t row = 0; rowsPlaced && row < RowCount; ++row) {
        rowPlaces[row][0] = (*numbers)[2 * row];
        rowPlaces[row][1] = (*numbers)[2 * row + 1];
    }
}

void ProfileList::setUp(ProfileStore* store, sprite::SpriteBase* rowTemplate)
{
    profiles = lang::retain(store);
    sprite::SpriteBase* own = getChild("message");
    makeRowTexts(own ? own : rowTemplate);
    reloadNames();
}

void ProfileList::makeRowTexts(sprite::SpriteBase* rowTemplate)
{
    if (!rowTemplate)
        return;
    for (int32_t row = 0; row < RowCount; ++row) {
        if (rowTexts[row])
            continue;
        rowTexts[row] = lang::adopt(rowTemplate->duplicate());
        if (rowTexts[row]->isInstanceOf("NewFontSprite"))
            static_cast<sprite::NewFontSprite*>(rowTexts[row].get())->setAlignment(1);
        rowTexts[row]->setVisible(true);
        add(rowTexts[row].get());
    }
}

void ProfileList::setVisible(bool on)
{
    if (on && !visible) {
        // A list hidden during its fade-out comes back whole.
        setFade(0);
        setAlpha(OpaqueAlpha);
    }
    if (on && !visible && profiles) {
        reloadNames();
        refresh();
    }
    DialogSprite::setVisible(on);
}

void ProfileList::reloadNames()
{
    names = profiles ? profiles->listNames() : std::vector<lang::String>();
}

void ProfileList::selectName(const lang::String& name)
{
    selectedName = name;
    keptName = name;
    refresh();
}

void ProfileList::refresh()
{
    const int32_t count = int32_t(names.size());
    scrollOffset = std::max(0, std::min(scrollOffset, count - RowCount));
    const bool selectionListed = std::any_of(names.begin(), names.end(),
        [&](const lang::String& name) { return ProfileName::same(name, selectedName); });
    if (!selectionListed)
        selectedName = count > 0 ? names[size_t(scrollOffset)] : lang::String();
    for (int32_t row = 0; row < RowCount; ++row) {
        const int32_t index = scrollOffset + row;
        const bool used = index < count;
        sprite::SpriteBase* button = rowButton(row);
        if (sprite::ButtonMixin* mixin = sprite::ButtonMixin::of(button)) {
            const bool selected = used && ProfileName::same(names[size_t(index)], selectedName);
            mixin->setState(sprite::ButtonMixin::Normal);
            if (selected)
                mixin->setState(sprite::ButtonMixin::Selected);
        }
        if (button)
            button->setVisible(used);
        if (sprite::SpriteBase* text = rowTexts[row].get()) {
            text->setVisible(used);
            setSpriteText(text, used ? names[size_t(index)] : lang::String());
            if (rowsPlaced)
                text->setLocation(rowPlaces[row][0], rowPlaces[row][1]);
            else if (button)
                centreOn(*text, centreX(*button), centreY(*button));
        }
    }
    const bool hasSelection = !selectedName.isEmpty();
    enableButton(getChild("new"), true);
    enableButton(getChild("accept"), hasSelection);
    enableButton(getChild("delete"), hasSelection);
    enableButton(getChild("bsup"), scrollOffset > 0);
    enableButton(getChild("bsdown"), scrollOffset + RowCount < count);
}

bool ProfileList::scroll(int32_t step)
{
    const int32_t count = int32_t(names.size());
    const int32_t next = scrollOffset + step;
    if (next < 0 || next + RowCount > count)
        return false;
    scrollOffset = next;
    refresh();
    return true;
}

void ProfileList::selectRow(int32_t row)
{
    const int32_t index = scrollOffset + row;
    if (row < 0 || row >= RowCount || index >= int32_t(names.size()))
        return;
    selectedName = names[size_t(index)];
    refresh();
}

void ProfileList::deleteProfile(const lang::String& name)
{
    if (profiles)
        profiles->deleteProfile(name);
    std::erase_if(names, [&](const lang::String& listed) { return ProfileName::same(listed, name); });
    if (ProfileName::same(keptName, name))
        keptName = lang::String();
}

int32_t ProfileList::act(const lang::String& action)
{
    sprite::DialogSprite* confirm = childDialog(this, "ProfileConfirm");
    if (action.equals("accept") || action.equals("profilecancel")) {
        if (action.equals("profilecancel") && !keptName.isEmpty())
            selectedName = keptName;
        if (selectedName.isEmpty())
            return action.equals("accept") ? Swallowed : Action;
        setFade(-DefaultFadeSpeed);
        pendingAction = "profilechosen";
        return Action;
    }
    if (action.equals("delete")) {
        if (confirm) {
            add(confirm);
            confirm->setVisible(true);
        }
        return Swallowed;
    }
    if (action.equals("cancelDelete")) {
        showSprite(confirm, false);
        return Swallowed;
    }
    if (action.equals("deleteProfile")) {
        showSprite(confirm, false);
        deleteProfile(selectedName);
        selectedName = lang::String();
        refresh();
        if (!names.empty())
            return Swallowed;
        pendingAction = "addfirstprofile";
        return Action;
    }
    if (action.equals("bsup") || action.equals("bsdown")) {
        scrollStep = action.equals("bsup") ? -1 : 1;
        scroll(scrollStep);
        scrollHeld = true;
        scrollDelay = ScrollRepeatDelay;
        return Swallowed;
    }
    if (action.equals("new")) {
        pendingAction = "addnewprofile";
        return Action;
    }
    if (action.startsWith(RowPrefix)) {
        selectRow(std::atoi(action.substring(int32_t(std::strlen(RowPrefix))).c_str()) - 1);
        return Swallowed;
    }
    return Action;
}

int32_t ProfileList::handleMousePressed(window::Event* event)
{
    if (!visible)
        return NotHandled;
    if (!contains(event->x, event->y))
        return Swallowed;
    const int32_t result = DialogSprite::handleMousePressed(event);
    return result == Action ? act(pendingAction) : result;
}

int32_t ProfileList::handleMouseReleased(window::Event* event)
{
    scrollHeld = false;
    pendingAction = lang::String();
    return DialogSprite::handleMouseReleased(event);
}

bool ProfileList::update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion)
{
    if (scrollHeld && visible) {
        if (scrollDelay > 0)
            --scrollDelay;
        else if (!scroll(scrollStep))
            scrollHeld = false;
    }
    return DialogSprite::update(frameNo, outBounds, dirtyRegion);
}

bool ProfileList::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "ProfileList") == 0 || DialogSprite::isInstanceOf(className);
}

// A game canvas for tests: records the named actions it handles and dispatches events as the
// input thread does, without threads.
#pragma once

#include "sprite/GameCanvas3.h"
#include "window/Event.h"

#include <string>
#include <vector>

namespace spritetest {

class RecordingCanvas : public sprite::GameCanvas3 {
public:
    void onAction(lang::Object* source, const lang::String& name) override
    {
        actions.push_back(name.c_str());
        sources.push_back(source);
        GameCanvas3::onAction(source, name);
    }

    // Dispatches one event on the calling thread.
    void dispatch(window::Event* event)
    {
        input.setCurrentEvent(event);
        dispatchEvent();
        input.setCurrentEvent(nullptr);
    }
    void dispatchMouse(int32_t id, int32_t x, int32_t y)
    {
        lang::Ref<window::Event> event = lang::adopt(new window::Event(id, x, y, 0, 0, 0));
        dispatch(event.get());
    }
    void dispatchKey(int32_t code)
    {
        lang::Ref<window::Event> event = lang::adopt(new window::Event(window::Event::KeyDown, 0, 0, 0, code, 0));
        dispatch(event.get());
    }
    // The actions other than the cursor names and the empty name (which does nothing).
    std::vector<std::string> plainActions() const
    {
        std::vector<std::string> plain;
        for (const std::string& action : actions) {
            if (!action.empty() && action != "handCursor" && action != "normalCursor")
                plain.push_back(action);
        }
        return plain;
    }
    int32_t rampCount() { return fades.rampCount(); }
    int32_t pendingRemovalCount() { return spriteList.pendingRemovalCount(); }

    std::vector<std::string> actions;
    std::vector<lang::Object*> sources;
};

} // namespace spritetest

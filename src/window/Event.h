// One input or notification event: a mouse or key event from the window, or a named action
// (id 7) that a sprite sends to its listener.
#pragma once

#include "lang/Object.h"

#include <cstdint>

namespace window {

class Event : public lang::Object {
public:
    enum Id : int32_t {
        MouseDown = 1,
        MouseMove = 2,
        MouseUp = 3,
        MouseDrag = 4,
        KeyDown = 5,
        KeyUp = 6,
        Action = 7,
    };
    // Modifier bits. Events of the right mouse button carry RightButton | Control.
    enum Modifier : int32_t {
        Control = 1,
        Shift = 2,
        RightButton = 4,
    };
    // Codes of the keys that deliver no character; any other key without a character
    // delivers its virtual-key code, a typed character its Windows-1252 code (0 to 255).
    enum KeyCode : int32_t {
        ArrowLeft = 1037,
        ArrowUp = 1038,
        ArrowRight = 1039,
        ArrowDown = 1040,
        DeleteKey = 1046,
        F1Key = 1112,
        F15Key = 1126,
    };

    Event() = default;
    Event(int32_t id, int32_t x, int32_t y, int32_t modifiers, int32_t keyCode, uint32_t time);
    // A named action: `argument` (usually a String) from `source`; both gain a reference.
    Event(lang::Object* source, lang::Object* argument);
    ~Event() override;

    int32_t id = 0;
    int32_t x = 0;
    int32_t y = 0;
    int32_t modifiers = 0;
    int32_t keyCode = 0;
    bool firstPress = false;
    // Milliseconds since the system started.
    uint32_t time = 0;

    // Not counted for the caller: the event keeps its own references.
    lang::Object* getArgument() const { return argument; }
    lang::Object* getSource() const { return source; }
    void setArgument(lang::Object* newArgument);
    void setSource(lang::Object* newSource);

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override;

private:
    lang::Object* argument = nullptr;
    lang::Object* source = nullptr;
};

} // namespace window

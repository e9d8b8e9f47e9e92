// Something that takes events: components, sprites and the game canvas. A second base beside
// lang::Object, which gives it counting and locking.
#pragma once

#include "lang/ObjectI.h"

namespace window {

class Event;

class Receiver : public virtual lang::ObjectI {
public:
    // True when the receiver handled the event.
    virtual bool handleEvent(Event* event) = 0;

protected:
    ~Receiver() = default;
};

} // namespace window

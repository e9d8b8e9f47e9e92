// The process-wide record that the window target lost its drawing device. Its own monitor
// guards the flag, so the render thread and the window thread can both test and set it.
#pragma once

#include "lang/Object.h"

namespace window {

class LostDeviceFlag : public lang::Object {
public:
    // The one flag of the process; not counted.
    static LostDeviceFlag* get();

    bool isSet() const;
    void set(bool lost);
    // Sets the flag; false when it was set already.
    bool raise();

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override;

private:
    bool lost = false;
};

} // namespace window

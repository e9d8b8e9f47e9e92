// The part of an image target that blends pictures: its FancyHelper, shared with the targets
// made from it by create() and made on first use when none was given.
#pragma once

#include "lang/Ref.h"
#include "window/raster/FancyHelper.h"

namespace window {

class GraphicsIMixin {
public:
    // The helper, made on first use (multipliers 128, no shadow); borrowed.
    FancyHelper* fancyHelper();

protected:
    // Takes a reference to the helper; null makes one on first use.
    explicit GraphicsIMixin(FancyHelper* helper) : helper(lang::retain(helper)) {}
    ~GraphicsIMixin() = default;

    lang::Ref<FancyHelper> helper;
};

} // namespace window

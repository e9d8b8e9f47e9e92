// Named actions scheduled by time: each fires once after a number of frames, or every so many
// frames until cancelled. The canvas walks the schedule once per frame step.
#pragma once

#include "lang/Ref.h"
#include "lang/String.h"
#include "sprite/SpriteBase.h"
#include "util/Vector.h"

#include <functional>

namespace sprite {


// One scheduled action.
class FrameNotify : public lang::Object {
public:
    lang::Ref<SpriteBase> target;
    // Frames left, or the period of a repeating action.
    int32_t frames = 0;
    lang::Ref<lang::Object> source;
    lang::String name;
    bool repeating = false;
    int32_t phase = 0;

    const char* getClassName() const override { return "FrameNotify"; }
};

class ActionSchedule {
public:
    // Flags of schedule().
    static constexpr int32_t InSeconds = 1;
    static constexpr int32_t Replace = 2;
    static constexpr int32_t Repeat = 4;
    static constexpr int32_t Cancel = 8;
    static constexpr int32_t MatchSourceAndTarget = 16;

    ActionSchedule();
    ~ActionSchedule();

    void schedule(int32_t delay, const lang::String& name, int32_t flags, lang::Object* source,
        SpriteBase* target, int32_t frameNo, int32_t framePeriodMs);
    // Counts down and fires what is due at `frameNo`, from the last entry to the first.
    void fireDue(int32_t frameNo, const std::function<void(FrameNotify&)>& fire);
    bool isEmpty() const;
    int32_t size() const;
    // The entries under their monitor, for tests and the debug output.
    util::Vector& entries() { return list; }

private:
    // Counts entry `index` down; the entry when it is due (a single one leaves the schedule).
    lang::Ref<FrameNotify> takeIfDue(int32_t index, int32_t frameNo);
    static bool matches(const FrameNotify& entry, const lang::String& name, int32_t flags,
        const lang::Object* source, const SpriteBase* target);

    util::Vector list;
};

} // namespace sprite

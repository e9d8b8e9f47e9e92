#include "sprite/ActionSchedule.h"

#include "lang/SyncGuard.h"
#include "sprite/SpriteBase.h"

#include <algorithm>

namespace sprite {

ActionSchedule::ActionSchedule() = default;

ActionSchedule::~ActionSchedule() = default;

bool ActionSchedule::matches(const FrameNotify& entry, const lang::String& name, int32_t flags,
    const lang::Object* source, const SpriteBase* target)
{
    if (!entry.name.equalsIgnoreCase(name))
        return false;
    return !(flags & MatchSourceAndTarget) || (entry.source.get() == source && entry.target.get() == target);
}

void ActionSchedule::schedule(int32_t delay, const lang::String& name, int32_t flags, lang::Object* source,
    SpriteBase* target, int32_t frameNo, int32_t framePeriodMs)
{
    const int32_t frames = (flags & InSeconds) ? int32_t(int64_t(delay) * 1000 / framePeriodMs) : delay;
    SyncGuard guard(list);
    if (flags & Cancel) {
        for (int32_t i = list.size() - 1; i >= 0; --i) {
            if (matches(*static_cast<FrameNotify*>(list.elementAt(i)), name, flags, source, target))
                list.removeElementAt(i);
        }
        return;
    }
    lang::Ref<FrameNotify> entry;
    if (flags & Replace) {
        for (int32_t i = list.size() - 1; i >= 0 && !entry; --i) {
            auto* candidate = static_cast<FrameNotify*>(list.elementAt(i));
            if (matches(*candidate, name, flags, source, target))
                entry = lang::retain(candidate);
        }
    }
    const bool reused = entry != nullptr;
    if (!reused)
        entry = lang::adopt(new FrameNotify);
    entry->target = lang::retain(target);
    entry->source = lang::retain(source);
    entry->name = name;
    entry->repeating = (flags & Repeat) != 0;
    // A repeating action needs a period of at least one frame.
    entry->frames = entry->repeating ? std::max(1, frames) : frames;
    entry->phase = entry->repeating ? frameNo % entry->frames - 1 : 0;
    if (!reused)
        list.addElement(entry.get());
}

void ActionSchedule::fireDue(int32_t frameNo, const std::function<void(FrameNotify&)>& fire)
{
    // Actions run outside the schedule's monitor: they lock sprites, which in turn schedule.
    for (int32_t i = size() - 1; i >= 0; --i) {
        if (lang::Ref<FrameNotify> entry = takeIfDue(i, frameNo))
            fire(*entry);
    }
}

lang::Ref<FrameNotify> ActionSchedule::takeIfDue(int32_t index, int32_t frameNo)
{
    SyncGuard guard(list);
    // An action may have changed the schedule while it ran.
    if (index >= list.size())
        return nullptr;
    auto* entry = static_cast<FrameNotify*>(list.elementAt(index));
    if (entry->repeating)
        return (frameNo - entry->phase) % entry->frames == 0 ? lang::retain(entry) : nullptr;
    if (--entry->frames > 0)
        return nullptr;
    lang::Ref<FrameNotify> due = lang::retain(entry);
    list.removeElementAt(index);
    return due;
}

bool ActionSchedule::isEmpty() const
{
    return size() == 0;
}

int32_t ActionSchedule::size() const
{
    SyncGuard guard(list);
    return list.size();
}

} // namespace sprite

#include "window/Cursor.h"

#include "lang/SyncGuard.h"
#include "window/Platform.h"

#include <cstring>

namespace window {

namespace {

// Objects with static lifetime: nothing ever releases their first reference.
Cursor& cursorOf(Cursor::Kind kind)
{
    static Cursor arrow(Cursor::Arrow), beam(Cursor::Beam), wait(Cursor::Wait), cross(Cursor::Cross);
    static Cursor hand(Cursor::Hand), openHand(Cursor::OpenHand);
    static Cursor program106(Cursor::Program106), program107(Cursor::Program107);
    switch (kind) {
    case Cursor::Beam: return beam;
    case Cursor::Wait: return wait;
    case Cursor::Cross: return cross;
    case Cursor::Hand: return hand;
    case Cursor::OpenHand: return openHand;
    case Cursor::Program106: return program106;
    case Cursor::Program107: return program107;
    case Cursor::Arrow: break;
    }
    return arrow;
}

} // namespace

Cursor* Cursor::getArrow() { return &cursorOf(Arrow); }
Cursor* Cursor::getBeam() { return &cursorOf(Beam); }
Cursor* Cursor::getWait() { return &cursorOf(Wait); }
Cursor* Cursor::getCross() { return &cursorOf(Cross); }

Cursor* Cursor::getProgramCursor(int32_t resource)
{
    if (resource < Hand || resource > Program107)
        return nullptr;
    return &cursorOf(Kind(resource));
}

void* Cursor::getHandle()
{
    SyncGuard guard(this);
    // Before the platform runs nothing can be made: asked again, it tries again.
    if (!handle)
        handle = platform::createCursor(kind);
    return handle;
}

void Cursor::show()
{
    platform::showCursor(getHandle());
}

void Cursor::forgetHandles()
{
    for (Kind kind : {Arrow, Beam, Wait, Cross, Hand, OpenHand, Program106, Program107}) {
        Cursor& cursor = cursorOf(kind);
        SyncGuard guard(cursor);
        cursor.handle = nullptr;
    }
}

bool Cursor::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Cursor") == 0 || Object::isInstanceOf(className);
}

const char* Cursor::getClassName() const
{
    return "Cursor";
}

} // namespace window

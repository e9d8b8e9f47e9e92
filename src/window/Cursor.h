// A mouse cursor of the window. Eight exist for the whole run: the system arrow, text beam,
// wait and cross cursors and the program's cursors 104 to 107 (104 the pointing hand, 105 the
// open hand; 106 and 107 have no picture, and like any empty cursor they hide the pointer).
// The native cursor is made on first use, once the platform is running.
#pragma once

#include "lang/Object.h"

#include <cstdint>

namespace window {

class Cursor : public lang::Object {
public:
    enum Kind : int32_t {
        Arrow = 0,
        Beam = 1,
        Wait = 2,
        Cross = 3,
        Hand = 104,
        OpenHand = 105,
        Program106 = 106,
        Program107 = 107,
    };

    explicit Cursor(Kind kind) : kind(kind) {}

    // The process-wide cursors; not counted.
    static Cursor* getArrow();
    static Cursor* getBeam();
    static Cursor* getWait();
    static Cursor* getCross();
    // One of the program's cursors 104 to 107 (none for other numbers).
    static Cursor* getProgramCursor(int32_t resource);

    Kind getKind() const { return kind; }
    // The platform's cursor, made on first use; none when the platform has no picture for it.
    void* getHandle();
    // Makes this the pointer's cursor now.
    void show();
    // The platform stopped and took its cursors with it: they are made again when needed.
    static void forgetHandles();

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override;

private:
    Kind kind;
    void* handle = nullptr;
};

} // namespace window

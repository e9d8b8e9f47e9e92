// The canvas's answers to named buttons and actions: a table from a name to its handler, with
// whether the click sound plays first. Names compare without regard to case unless an entry
// asks for the exact case; an entry may also stand for every name that begins with it.
#pragma once

#include "lang/Object.h"
#include "lang/String.h"

#include <functional>
#include <vector>

class ButtonTable {
public:
    using Handler = std::function<void(lang::Object* source, const lang::String& name)>;

    enum Flags : int32_t {
        Silent = 0,
        // The click sound plays before the handler.
        Click = 1,
        // The name must match with its case.
        ExactCase = 2,
        // The entry takes every name that begins with it.
        Prefix = 4,
    };

    struct Entry {
        lang::String name;
        int32_t flags = Silent;
        Handler handler;

        bool matches(const lang::String& action) const;
        bool clicks() const { return (flags & Click) != 0; }
    };

    void add(const char* name, int32_t flags, Handler handler);
    // The entry for the action: a whole name first, then the longest prefix; none when the
    // table does not know it.
    const Entry* find(const lang::String& action) const;
    int32_t size() const { return int32_t(entries.size()); }

private:
    std::vector<Entry> entries;
};

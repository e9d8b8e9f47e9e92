#include "game/flow/ButtonTable.h"

#include <utility>

bool ButtonTable::Entry::matches(const lang::String& action) const
{
    const lang::String compared = (flags & Prefix) && action.length() >= name.length()
        ? action.substring(0, name.length())
        : action;
    return (flags & ExactCase) ? compared.equals(name) : compared.equalsIgnoreCase(name);
}

void ButtonTable::add(const char* name, int32_t flags, Handler handler)
{
    entries.push_back(Entry{lang::String(name), flags, std::move(handler)});
}

const ButtonTable::Entry* ButtonTable::find(const lang::String& action) const
{
    const Entry* best = nullptr;
    for (const Entry& entry : entries) {
        if (!entry.matches(action))
            continue;
        if (!(entry.flags & Prefix))
            return &entry;
        if (!best || entry.name.length() > best->name.length())
            best = &entry;
    }
    return best;
}

// The score service's list answer, read into entries: each "entry" child of the root with a
// "name", a "score" (300000 minus the time in tenths), a "level" (the shop) and an optional
// "rank", and an optional "highlight", the rank of the player's own entry. Entries with a
// missing or wrong field are skipped one by one; an answer that is not XML gives no entries.
#pragma once

#include "lang/String.h"

#include <vector>

class ScoreAnswer : public lang::Object {
public:
    static constexpr int32_t MaxEntries = 1000;
    static constexpr int32_t RowsShown = 20;
    static constexpr int32_t ScoreBase = 300000;
    static constexpr int32_t FastestTime = 601;
    // Longer names (in Windows-1252 bytes) make an entry invalid.
    static constexpr int32_t MaxNameBytes = 64;

    struct Entry {
        lang::String name;
        // Tenths of a second.
        int32_t time = 0;
        int32_t level = 0;
        int32_t rank = 0;
    };

    // Reads the text of an answer (UTF-8 XML).
    explicit ScoreAnswer(const lang::String& text);

    const std::vector<Entry>& getEntries() const { return entries; }
    // The rank of the player's entry, -1 when the answer names none.
    int32_t getHighlight() const { return highlight; }
    // The first entry to show so that the highlighted one is in view: highlight - 5, within
    // 0 to the number of entries read before it, less one.
    int32_t getOffset() const { return offset; }

    // The offset clamped so that the rows shown are full: at most entryCount - rows, at least 0.
    static int32_t clampForRows(int32_t offset, int32_t entryCount, int32_t rows = RowsShown);

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "ScoreAnswer"; }

private:
    std::vector<Entry> entries;
    int32_t highlight = -1;
    int32_t offset = 0;
};

// A sprite table as the generator writes it: entries of name, class, pictures and numbers,
// with comment lines, written in the package's table format. The same entries compose a
// preview picture, drawn the way the engine draws those classes, so that a table can be
// judged before the game runs it.
#pragma once

#include "Raster.h"

#include <functional>
#include <string>
#include <vector>

namespace contentgen {

struct SpriteEntry {
    std::string name;
    std::string className;
    std::vector<std::string> pictures;
    std::vector<int> numbers;
    bool shownAtStart = true; // false: the round hides it at set-up, so previews leave it out
};

class SpriteTable {
public:
    void comment(const std::string& text);
    void add(SpriteEntry entry);
    const std::vector<SpriteEntry>& entries() const { return entries_; }

    // The table text: the header comment, "<sprites>", the entries and "<end>".
    std::string text(const std::string& header) const;
    // The same table with every entry passed through `convert` (for a preview package, whose
    // game classes become engine classes that draw the same way).
    SpriteTable withClasses(const std::function<SpriteEntry(const SpriteEntry&)>& convert) const;

    // Draws the entries shown at start onto `target`; `picture` gives a package picture by
    // name. Sprites, sheets, buttons (normal cell), items and numbers (their digits) are drawn.
    void compose(Picture& target, const std::function<const Picture&(const std::string&)>& picture) const;

private:
    struct Line {
        bool isComment;
        std::string comment;
        size_t entry;
    };
    std::vector<Line> lines_;
    std::vector<SpriteEntry> entries_;
};

} // namespace contentgen

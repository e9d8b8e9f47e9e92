#include "ShopScene.h"

#include "Rng.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace contentgen {

using namespace shoplayout;

float GoodsPlace::width() const
{
    switch (pile) {
    case Pile::Single:
        return singleWidth;
    case Pile::Three:
        return pileStep + itemSize;
    case Pile::Five:
        return 2 * pileStep + itemSize;
    }
    return 0;
}

ShopScene::ShopScene(int shopNumber)
    : number_(shopNumber), background_(width, height), painter_(background_), sign_(190, 44)
{
}

void ShopScene::paintSign(const std::string& title, SignStyle style, Color face, Color ink)
{
    Painter p(sign_);
    shopSign(p, {4, 4, 178, 32}, title, style, face, ink);
}

std::vector<Box> ShopScene::goods(const std::string& pattern, float x0, float x1, float baseline)
{
    struct Part {
        bool goods;
        GoodsPlace place;
        float width;
    };
    std::vector<Part> parts;
    float used = 0;
    for (char c : pattern) {
        Part part{false, {Pile::Single, 0, baseline}, 0};
        if (c == 'S' || c == 'T' || c == 'F') {
            part.goods = true;
            part.place.pile = c == 'S' ? Pile::Single : c == 'T' ? Pile::Three : Pile::Five;
            part.width = part.place.width();
        } else if (c >= '1' && c <= '9') {
            part.width = float(c - '0') * 10;
        } else {
            throw std::runtime_error(
                "shop " + std::to_string(number_) + ": unknown letter in the goods pattern " + pattern);
        }
        used += part.width;
        parts.push_back(part);
    }
    const float spare = (x1 - x0) - used;
    if (spare < -0.5f)
        throw std::runtime_error("shop " + std::to_string(number_) + ": the goods " + pattern + " need "
            + std::to_string(int(used)) + " pixels, the shelf from " + std::to_string(int(x0)) + " has "
            + std::to_string(int(x1 - x0)));
    const float gap = spare / float(parts.size() + 1);
    std::vector<Box> boxes;
    float x = x0 + gap;
    for (Part& part : parts) {
        if (part.goods) {
            part.place.x = std::round(x);
            places_.push_back(part.place);
            const float top
                = baseline - (part.place.pile == Pile::Single ? itemSize - 2 : itemSize - 2 + pileRaise);
            boxes.push_back({part.place.x, top, part.width, baseline - top});
        }
        x += part.width + gap;
    }
    return boxes;
}

void ShopScene::hintToken(float x, float y)
{
    hints_.push_back({"hint_" + std::to_string(hints_.size() + 1), int(x), int(y)});
}

void ShopScene::spot(const std::string& name, float x, float y)
{
    spots_.push_back({name, int(std::lround(x)), int(std::lround(y))});
}

const ScenePoint* ShopScene::findSpot(const std::string& name) const
{
    for (const ScenePoint& s : spots_)
        if (s.name == name)
            return &s;
    return nullptr;
}

void ShopScene::decorate(
    const EmojiFont& font, uint32_t codepoint, float cx, float cy, float size, float opacity)
{
    paintedEmoji(painter_, font, codepoint, cx, cy, size, opacity);
    decorations_.push_back(codepoint);
}

std::string singularOf(const std::string& itemText)
{
    const size_t end = itemText.find_first_of("*:");
    return itemText.substr(0, end);
}

std::map<int, Pile> pileSizes(const Shop& shop, const PileChoice& choice)
{
    std::map<std::string, int> kinds;
    std::map<int, Pile> sizes;
    for (const CatalogueItem& item : shop.items) {
        kinds[singularOf(item.text)] = item.kind;
        sizes[item.kind] = Pile::Three;
    }
    auto mark = [&](const std::vector<std::string>& names, Pile pile) {
        for (const std::string& name : names) {
            const auto found = kinds.find(name);
            if (found == kinds.end())
                throw std::runtime_error(
                    "shop " + std::to_string(shop.number) + " has no item \"" + name + "\"");
            sizes[found->second] = pile;
        }
    };
    mark(choice.fives, Pile::Five);
    mark(choice.singles, Pile::Single);
    return sizes;
}

std::vector<ItemPlacement> placeGoods(const ShopScene& scene, const std::map<int, Pile>& sizes)
{
    // The groups of each size, shuffled with the shop's own seed.
    std::map<Pile, std::vector<int>> groups;
    for (const auto& [kind, pile] : sizes)
        groups[pile].push_back(kind);
    Rng rng(uint64_t(scene.number()) * 7919 + 17);
    for (auto& [pile, kinds] : groups)
        for (size_t i = kinds.size(); i > 1; --i)
            std::swap(kinds[i - 1], kinds[size_t(rng.below(int(i)))]);

    std::map<Pile, size_t> needed, offered;
    for (const auto& [pile, kinds] : groups)
        needed[pile] = kinds.size();
    for (const GoodsPlace& place : scene.places())
        ++offered[place.pile];
    if (needed != offered) {
        auto describe = [](std::map<Pile, size_t>& m) {
            return std::to_string(m[Pile::Single]) + " singles, " + std::to_string(m[Pile::Three])
                + " piles of three, " + std::to_string(m[Pile::Five]) + " piles of five";
        };
        throw std::runtime_error("shop " + std::to_string(scene.number()) + " has places for "
            + describe(offered) + "; its goods need " + describe(needed));
    }

    std::vector<ItemPlacement> items;
    std::map<Pile, size_t> next;
    for (const GoodsPlace& place : scene.places()) {
        const int kind = groups[place.pile][next[place.pile]++];
        const int front = int(std::lround(place.baseline - (itemSize - 2)));
        const int back = front - int(pileRaise);
        const int x = int(place.x);
        const int step = int(pileStep);
        switch (place.pile) {
        case Pile::Single:
            items.push_back({kind, x, front});
            break;
        case Pile::Three:
            items.insert(
                items.end(), {{kind, x + step / 2, back}, {kind, x, front}, {kind, x + step, front}});
            break;
        case Pile::Five:
            items.insert(items.end(),
                {{kind, x + step / 2, back}, {kind, x + step + step / 2, back}, {kind, x, front},
                    {kind, x + step, front}, {kind, x + 2 * step, front}});
            break;
        }
    }
    return items;
}

} // namespace contentgen

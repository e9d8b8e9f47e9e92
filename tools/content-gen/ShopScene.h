// One shop's scene as the generator builds it: the background picture, the places where
// goods stand (single items, piles of three, piles of five), the hidden hint tokens and the
// spots that the player's own shop keeps free for its decorations. The designs of the twelve
// shops (ShopDesigns.cpp) paint into it and lay out their rows of goods through it.
#pragma once

#include "Catalogue.h"
#include "ShopFixtures.h"

#include <map>
#include <string>
#include <vector>

namespace contentgen {

// The shared layout numbers of every shop screen.
namespace shoplayout {
constexpr int width = 800, height = 600;
constexpr float goodsTop = 40; // below the HUD strip
constexpr float goodsBottom = 398; // above the customers' thought bubbles
constexpr float singleRow = 50; // height of a row of single items
constexpr float pileRow = 64; // height of a row of piles
constexpr float itemSize = 48;
constexpr float singleWidth = 46; // neighbours overlap by their shadow
constexpr float pileStep = 38; // between the front items of a pile
constexpr float pileRaise = 14; // how much higher the back items stand
} // namespace shoplayout

enum class Pile { Single = 1, Three = 3, Five = 5 };

// A place for one group of goods: its left edge and the shelf line the goods stand on.
struct GoodsPlace {
    Pile pile;
    float x, baseline;
    float width() const;
};

// One item sprite: picture position (top-left) and its group (the catalogue kind).
struct ItemPlacement {
    int kind;
    int x, y;
};

struct ScenePoint {
    std::string name;
    int x, y;
};

class ShopScene {
public:
    explicit ShopScene(int shopNumber);

    int number() const { return number_; }
    Painter& painter() { return painter_; }
    Picture& background() { return background_; }

    // Lays out `pattern` (letters S, T and F for a single, a pile of three and of five; a
    // digit n leaves n × 10 pixels free) evenly from x0 to x1 on the shelf line; returns the
    // boxes of the goods so that the fixture can be drawn around them.
    std::vector<Box> goods(const std::string& pattern, float x0, float x1, float baseline);
    const std::vector<GoodsPlace>& places() const { return places_; }

    // The shop's name sign, a picture of its own at the screen's top left corner (signX,
    // signY), so that what drifts over the background passes behind it.
    static constexpr int signX = 2, signY = 0;
    void paintSign(const std::string& title, SignStyle style, Color face, Color ink);
    const Picture& sign() const { return sign_; }

    // A hint token of the round, drawn by the game over the goods (top-left of its picture).
    void hintToken(float x, float y);
    const std::vector<ScenePoint>& hintTokens() const { return hints_; }

    // A named spot of the scene (the decorations of the player's own shop, the ambient
    // animation), recorded for the table.
    void spot(const std::string& name, float x, float y);
    const ScenePoint* findSpot(const std::string& name) const;

    // An emoji painted flat as decoration; remembered so that the designs can be checked
    // against the shop's own goods.
    void decorate(
        const EmojiFont& font, uint32_t codepoint, float cx, float cy, float size, float opacity = 1.0f);
    const std::vector<uint32_t>& decorations() const { return decorations_; }

private:
    int number_;
    Picture background_;
    Painter painter_;
    Picture sign_;
    std::vector<GoodsPlace> places_;
    std::vector<ScenePoint> hints_;
    std::vector<ScenePoint> spots_;
    std::vector<uint32_t> decorations_;
};

// Which groups stand as piles: the names (singular, as in the catalogue) of the piles of five
// and of the single items; every other group is a pile of three.
struct PileChoice {
    std::vector<std::string> fives;
    std::vector<std::string> singles;
};

// The copies of each kind (1-based index) of a shop under a pile choice; throws when a name
// is not in the shop.
std::map<int, Pile> pileSizes(const Shop& shop, const PileChoice& choice);

// The items of the scene's places, the groups shuffled over the places of their size with a
// fixed seed. Throws when the places do not match the groups (the message says how many of
// each the scene has and needs). Piles list their back items first, so that the table draws
// them behind the front ones.
std::vector<ItemPlacement> placeGoods(const ShopScene& scene, const std::map<int, Pile>& sizes);

// The singular of an item text ("bunch of grapes*bunches of grapes:2" gives "bunch of grapes").
std::string singularOf(const std::string& itemText);

} // namespace contentgen

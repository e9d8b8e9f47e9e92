// One shopper of a round: a face with a thought bubble above it, in which the wish is written
// (the count and the item's name) or, while a hint runs, shown as a picture. The round tells it
// what it wants, asks it whether a clicked item is wanted and hands it the items; it pays and
// leaves once all have arrived. Its parts are copies of the templates "thoughtbubble",
// "custfaces" and "itemname", which the canvas registers once after loading.
#pragma once

#include "lang/Ref.h"
#include "sprite/AnimateSprite.h"
#include "sprite/ShopItemSprite.h"

#include <vector>

class RoundAudio;

class Customer : public sprite::AnimateSprite {
public:
    // The label's text wraps at this width.
    static constexpr int32_t LabelWrapWidth = 110;
    // Pictures in the bubble keep this much room to the bubble's edges on each side.
    static constexpr int32_t PictureMargin = 10;
    static constexpr int32_t HintFadeFrames = 10;
    static constexpr int32_t HintHoldFrames = 1000;
    static constexpr int32_t JiggleFrames = 20;
    // How far the bubble (left-aligned with the face, so that it stays within the customer's
    // place) reaches down over the top of the face.
    static constexpr int32_t BubbleOverlap = 2;
    static constexpr int32_t HintDoneSound = 57;

    // The templates every customer copies its parts from (each gains a reference).
    static void setTemplates(
        sprite::SpriteBase* bubble, sprite::AnimateSprite* faces, sprite::SpriteBase* label);
    static bool hasTemplates();
    // The number of faces of the "custfaces" sheet (columns x rows), or 0 without templates.
    static int32_t faceCount();
    // The face of a new customer: the first from `start` on (wrapping) that no present customer
    // shows; `start` itself when every face is in use.
    static int32_t pickFace(int32_t start, const std::vector<int32_t>& facesInUse);
    // Lets go of the templates (the end of the run, or a new package in the tests).
    static void clearTemplates();

    // A customer who plays its sounds through the round's audio (not counted; none plays
    // nothing) with the face of that frame of the sheet. Needs the templates.
    Customer(RoundAudio* audio, int32_t faceIndex);
    ~Customer() override;

    // What the customer wants: `count` items of the name "singular*plural:type", any of the
    // sprites (one candidate picture each).
    void setWish(
        const std::vector<sprite::ShopItemSprite*>& sprites, int32_t count, const lang::String& name);
    // Shows the label; from now on the customer wants its items.
    void showWish();
    bool wants(const sprite::SpriteBase* sprite) const;
    // The player picked `sprite` for this customer: its candidate goes, the others hide.
    void itemChosen(const sprite::SpriteBase* sprite);
    // A picked item reached the customer, who jiggles.
    void itemArrived();
    int32_t remainingItems() const { return remaining; }
    int32_t wantedItems() const { return wanted; }
    // Shows the first candidate picture in place of the label for a while.
    void showHint();
    void setPaused(bool on);

    // The wished text: the singular for one item still to come, else the count and the plural.
    static lang::String labelText(const lang::String& itemName, int32_t remaining);
    // The scale that fits a picture in a bubble with the margin, never enlarging.
    static double pictureScale(
        int32_t bubbleWidth, int32_t bubbleHeight, int32_t pictureWidth, int32_t pictureHeight);

    int32_t getFaceIndex() const { return faceIndex; }
    const lang::String& getItemName() const { return itemName; }
    int32_t getType() const { return type; }
    int32_t candidateCount() const { return static_cast<int32_t>(candidates.size()); }
    sprite::ShopItemSprite* getCandidate(int32_t i) const { return candidates[i].picture.get(); }
    // The item sprites whose pictures the customer still waits for.
    std::vector<sprite::ShopItemSprite*> wishedSprites() const;
    sprite::SpriteBase* getBubble() const { return bubble.get(); }
    sprite::AnimateSprite* getFace() const { return face.get(); }
    sprite::SpriteBase* getLabel() const { return label.get(); }

    // --- the sprite's operations
    void moved(int32_t dx, int32_t dy) override;
    void render(window::Graphics* graphics) override;
    bool update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion) override;
    void onAction(lang::Object* source, const lang::String& name) override;
    // The named actions of its parts' fades.
    bool handleEvent(window::Event* event) override;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "Customer"; }

private:
    struct Candidate {
        lang::Ref<sprite::ShopItemSprite> picture;
        const sprite::SpriteBase* source = nullptr;
    };

    void layoutParts();
    void refreshLabel();
    void placeLabel();
    void addCandidate(sprite::ShopItemSprite* item);
    void jiggleStep();
    template <class Visit> void eachPart(Visit visit);

    RoundAudio* audio;
    lang::Ref<sprite::SpriteBase> bubble;
    lang::Ref<sprite::AnimateSprite> face;
    lang::Ref<sprite::SpriteBase> label;
    int32_t faceIndex;
    lang::String itemName;
    int32_t type = 1;
    std::vector<Candidate> candidates;
    int32_t wanted = 0;
    int32_t remaining = 0;
    int32_t active = 0;
    bool jiggle = false;
    int32_t jiggleFrames = 30;
    // The place the jiggle returns to, taken at its first step (a walk may still run before).
    bool baseKnown = false;
    int32_t baseX = 0;
    int32_t baseY = 0;
};

#include "game/shop/Customer.h"

#include "game/shop/Glide.h"
#include "game/shop/RoundAudio.h"
#include "game/shop/ShopItem.h"
#include "sprite/NewFontSprite.h"
#include "sprite/TextSprite.h"
#include "util/Random.h"
#include "window/Event.h"

#include <algorithm>
#include <cstring>

namespace {

struct Templates {
    lang::Ref<sprite::SpriteBase> bubble;
    lang::Ref<sprite::AnimateSprite> faces;
    lang::Ref<sprite::SpriteBase> label;
};

Templates& templates()
{
    static Templates shared;
    return shared;
}

// A shown copy of a hidden template; the caller releases it.
template <class T> lang::Ref<T> copyOf(T* original)
{
    lang::Ref<T> copy = lang::adopt(static_cast<T*>(original->duplicate()));
    copy->setVisible(true);
    return copy;
}

} // namespace

void Customer::setTemplates(
    sprite::SpriteBase* bubble, sprite::AnimateSprite* faces, sprite::SpriteBase* label)
{
    templates() = Templates{lang::retain(bubble), lang::retain(faces), lang::retain(label)};
}

bool Customer::hasTemplates()
{
    const Templates& shared = templates();
    return shared.bubble && shared.faces && shared.label;
}

int32_t Customer::faceCount()
{
    const Templates& shared = templates();
    return shared.faces ? shared.faces->getColumns() * shared.faces->getRows() : 0;
}

int32_t Customer::pickFace(int32_t start, const std::vector<int32_t>& facesInUse)
{
    const int32_t faces = std::max(faceCount(), 1);
    for (int32_t i = 0; i < faces; ++i) {
        const int32_t face = (start + i) % faces;
        if (std::find(facesInUse.begin(), facesInUse.end(), face) == facesInUse.end())
            return face;
    }
    return start;
}

void Customer::clearTemplates()
{
    templates() = Templates{};
}

Customer::Customer(RoundAudio* roundAudio, int32_t index) : audio(roundAudio), faceIndex(index)
{
    const Templates& shared = templates();
    bubble = copyOf(shared.bubble.get());
    face = copyOf(shared.faces.get());
    face->setFrame(faceIndex);
    face->setAnimation(0, false);
    label = copyOf(shared.label.get());
    label->setVisible(false);
    setSourceRect(util::RectangleNM(0, 0, face->getWidth(), face->getHeight()));
    layoutParts();
}

Customer::~Customer() = default;

void Customer::layoutParts()
{
    face->setLocation(getX(), getY());
    bubble->setLocation(getX(), getY() - bubble->getBoundsHeight() + BubbleOverlap);
    placeLabel();
}

lang::String Customer::labelText(const lang::String& name, int32_t count)
{
    const int32_t star = name.indexOf('*');
    const int32_t colon = name.indexOf(':');
    const int32_t singularEnd = star >= 0 ? star : colon >= 0 ? colon : name.length();
    const lang::String singular = name.substring(0, singularEnd);
    if (count < 2)
        return singular;
    const lang::String plural
        = star < 0 ? singular + "s" : name.substring(star + 1, colon > star ? colon : name.length());
    return lang::String(count) + " " + plural;
}

double Customer::pictureScale(
    int32_t bubbleWidth, int32_t bubbleHeight, int32_t pictureWidth, int32_t pictureHeight)
{
    double scale = 1.0;
    if (pictureWidth > 0)
        scale = std::min(scale, double(bubbleWidth - 2 * PictureMargin) / pictureWidth);
    if (pictureHeight > 0)
        scale = std::min(scale, double(bubbleHeight - 2 * PictureMargin) / pictureHeight);
    return std::max(scale, 0.0);
}

void Customer::setWish(
    const std::vector<sprite::ShopItemSprite*>& sprites, int32_t count, const lang::String& name)
{
    itemName = name;
    type = ShopItem::typeOfName(name);
    candidates.clear();
    for (sprite::ShopItemSprite* item : sprites)
        addCandidate(item);
    wanted = count;
    remaining = count;
    refreshLabel();
}

void Customer::addCandidate(sprite::ShopItemSprite* item)
{
    lang::Ref<sprite::ShopItemSprite> picture
        = lang::adopt(static_cast<sprite::ShopItemSprite*>(item->duplicate()));
    picture->setVisible(false);
    picture->setAlpha(OpaqueAlpha);
    picture->setListener(this, nullptr);
    picture->setScale(pictureScale(
        bubble->getBoundsWidth(), bubble->getBoundsHeight(), picture->getWidth(), picture->getHeight()));
    const Centre middle = centreOf(*bubble);
    glideCentreTo(*picture, middle.x, middle.y, 0);
    candidates.push_back(Candidate{picture, item});
}

void Customer::showWish()
{
    for (Candidate& candidate : candidates) {
        candidate.picture->setAlpha(0);
        candidate.picture->setVisible(true);
    }
    label->setVisible(true);
    active = 1;
}

bool Customer::wants(const sprite::SpriteBase* sprite) const
{
    if (active != 1 || wanted <= 0)
        return false;
    return std::any_of(candidates.begin(), candidates.end(),
        [sprite](const Candidate& candidate) { return candidate.source == sprite; });
}

std::vector<sprite::ShopItemSprite*> Customer::wishedSprites() const
{
    std::vector<sprite::ShopItemSprite*> sprites;
    for (const Candidate& candidate : candidates)
        sprites.push_back(const_cast<sprite::ShopItemSprite*>(
            static_cast<const sprite::ShopItemSprite*>(candidate.source)));
    return sprites;
}

void Customer::itemChosen(const sprite::SpriteBase* sprite)
{
    if (!wants(sprite))
        return;
    std::erase_if(candidates, [sprite](const Candidate& candidate) { return candidate.source == sprite; });
    --wanted;
    // A hint in progress ends: the label comes back.
    for (Candidate& candidate : candidates) {
        candidate.picture->setVisible(false);
        candidate.picture->setListener(this, nullptr);
    }
    refreshLabel();
}

void Customer::itemArrived()
{
    if (!jiggle) {
        jiggle = true;
        baseKnown = false;
    }
    jiggleFrames = JiggleFrames;
    --remaining;
    if (remaining > 0)
        refreshLabel();
}

void Customer::refreshLabel()
{
    const lang::String text = labelText(itemName, remaining);
    if (label->isInstanceOf("NewFontSprite")) {
        auto* font = static_cast<sprite::NewFontSprite*>(label.get());
        font->setAlignment(1);
        font->setAlignEachLine(true);
        font->setWrapWidth(LabelWrapWidth);
        font->setText(text);
    } else if (label->isInstanceOf("TextSprite")) {
        static_cast<sprite::TextSprite*>(label.get())->setText(text);
    }
    if (active)
        label->setVisible(true);
    placeLabel();
}

void Customer::placeLabel()
{
    // A little left of and above the bubble's middle, where its cloud is widest.
    const Centre middle = centreOf(*bubble);
    glideCentreTo(*label, middle.x - 3, middle.y - 4, 0);
}

void Customer::showHint()
{
    if (candidates.empty())
        return;
    sprite::ShopItemSprite* picture = candidates.front().picture.get();
    label->setVisible(false);
    picture->setAlpha(0);
    picture->setVisible(true);
    picture->fadeTo(OpaqueAlpha, HintFadeFrames, false);
    picture->setListener(this, "holdhint");
}

void Customer::onAction(lang::Object* source, const lang::String& name)
{
    auto* picture = static_cast<sprite::SpriteBase*>(source);
    if (!picture)
        return;
    if (name == "holdhint") {
        // A fade to where it stands: the picture stays for the hold, then reports.
        picture->fadeTo(OpaqueAlpha, HintHoldFrames, false);
        picture->setListener(this, "hintdone");
    } else if (name == "hintdone") {
        if (audio)
            audio->play(HintDoneSound);
        picture->fadeTo(0, HintFadeFrames, false);
        picture->setListener(this, "showfalse");
    } else if (name == "showfalse") {
        picture->setVisible(false);
        picture->setListener(this, nullptr);
        label->setVisible(true);
    } else if (name == "pulsequestionmark") {
        picture->fadeTo(picture->getAlpha() == OpaqueAlpha ? 100 : OpaqueAlpha, 20, false);
    }
}

bool Customer::handleEvent(window::Event* event)
{
    lang::Object* argument = event ? event->getArgument() : nullptr;
    if (!argument || !argument->isInstanceOf("String"))
        return false;
    onAction(event->getSource(), *static_cast<lang::String*>(argument));
    return true;
}

void Customer::setPaused(bool on)
{
    setDelayed(on);
    eachPart([on](sprite::SpriteBase* part) { part->setDelayed(on); });
}

void Customer::moved(int32_t dx, int32_t dy)
{
    if (!face)
        return;
    eachPart([dx, dy](sprite::SpriteBase* part) { part->moveBy(dx, dy); });
}

template <class Visit> void Customer::eachPart(Visit visit)
{
    visit(face.get());
    visit(bubble.get());
    for (Candidate& candidate : candidates)
        visit(candidate.picture.get());
    visit(label.get());
}

void Customer::jiggleStep()
{
    if (!jiggle || moveFrames > 0 || delayed)
        return;
    if (!baseKnown) {
        baseX = getX();
        baseY = getY();
        baseKnown = true;
    }
    static constexpr int32_t Steps[4][2] = {{1, 0}, {-1, 0}, {0, -1}, {0, 1}};
    const auto direction = static_cast<int32_t>(util::Random::random() * 4);
    moveBy(Steps[direction][0], Steps[direction][1]);
    if (--jiggleFrames <= 0) {
        jiggle = false;
        setLocation(baseX, baseY);
    }
}

bool Customer::update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion)
{
    bool changed = AnimateSprite::update(frameNo, outBounds, dirtyRegion);
    jiggleStep();
    eachPart([&](sprite::SpriteBase* part) {
        util::RectangleNM partBounds;
        changed = part->update(frameNo, partBounds, dirtyRegion) || changed;
    });
    if (dirty)
        changed = true;
    dirty = false;
    return changed && visible;
}

void Customer::render(window::Graphics* graphics)
{
    if (!visible)
        return;
    eachPart([graphics](sprite::SpriteBase* part) {
        if (part->isVisible())
            part->render(graphics);
    });
}

bool Customer::isInstanceOf(const char* className) const
{
    return std::strcmp(className, "Customer") == 0 || AnimateSprite::isInstanceOf(className);
}

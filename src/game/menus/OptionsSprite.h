// The options page: two knobs slid along their tracks set the effects and music volumes (the
// knob's distance from the track's left end, 0 to 255), with the effects sample and the music
// playing while they are dragged, and a check box switches full screen. The settings are
// stored when a knob is let go and when the check box changes. The sub-table's <data> gives
// the tracks: the effects knob's leftmost x and its y, then the music knob's.
#pragma once

#include "lang/Class.h"
#include "lang/Ref.h"
#include "sprite/DialogSprite.h"
#include "sprite/User.h"
#include "util/Vector.h"
#include "window/audio/AudioClip.h"

namespace window {
class Frame;
}

class OptionsSprite : public sprite::DialogSprite {
public:
    struct OptionsSpriteClass : lang::ClassOf<OptionsSprite> {
        using ClassOf::ClassOf;
    };
    static OptionsSpriteClass classObject;

    OptionsSprite();
    ~OptionsSprite() override;

    void tableLoaded(sprite::DataLoader* loader) override;
    bool update(int32_t frameNo, util::RectangleNM& outBounds, util::Region& dirtyRegion) override;
    int32_t handleMousePressed(window::Event* event) override;
    int32_t handleMouseMoved(window::Event* event) override;
    int32_t handleMouseReleased(window::Event* event) override;
    // Shown: the knobs and the check mark follow the settings.
    void setVisible(bool on) override;

    // --- set by the canvas after loading
    void setStore(sprite::User* store);
    // The frame whose full-screen mode the check box switches (not counted: it outlives the
    // canvas's dialogs).
    void setFrame(window::Frame* frame) { this->frame = frame; }
    void setEffectsSample(window::AudioClip* clip);
    // A clip whose volume the music knob sets; it becomes the music heard while dragging.
    void addMusic(window::AudioClip* clip);

    // Places the knobs from the stored volumes and the check mark from the frame.
    void refresh();
    // Writes the knobs' volumes to the settings and applies them.
    void store();
    int32_t getEffectsVolume() const;
    int32_t getMusicVolume() const;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "OptionsSprite"; }

private:
    struct Track {
        sprite::SpriteBase* knob = nullptr;
        int32_t left = 0;
        int32_t y = 0;
    };

    void toggleFullScreen();
    void startDrag(Track& track, int32_t localX);
    // The knob's x for the pointer, kept on the track.
    int32_t dragX(int32_t localX) const;
    void applyDrag(int32_t x, bool final);
    void placeKnob(Track& track, int32_t volume);

    lang::Ref<sprite::User> settings;
    Track effects;
    Track music;
    sprite::SpriteBase* checkMark = nullptr;
    lang::Ref<window::AudioClip> previewMusic;
    lang::Ref<window::AudioClip> effectsSample;
    Track* dragging = nullptr;
    int32_t grabOffset = 0;
    window::Frame* frame = nullptr;
    util::Vector musicClips{10};
};

// The sounds of a shop round, by their entries in the canvas's sound table: effects, the
// round's music and the shop's ambient loop, the low-time loop and the shop chatter, which
// plays each of its six sounds once, at random, before any of them comes again.
#pragma once

#include "util/Random.h"

#include <vector>

class Kipto2Canvas;

class RoundAudio {
public:
    // Entries of the sound table.
    enum Entry : int32_t {
        FirstChatter = 0,
        ChatterCount = 6,
        AmbientBase = 5, // + shop
        CustomerArrives = 18,
        ItemArrives = 20,
        ItemFound = 21,
        Chime = 22,
        ItemFoundLate = 23,
        WishComplete = 24,
        Whoosh = 25,
        GoalReached = 26,
        DayPassed = 27,
        DayGold = 28,
        DayFailed = 29,
        StingerBase = 33, // + shop
        HintUsed = 50,
        Click = 51,
        LowTime = 53,
        TimeOut = 54,
        Buzz = 55,
        TokenFound = 56,
        StarArrives = 59,
        DayMusic = 60,
        BlitzMusic = 61,
    };

    static constexpr int32_t MusicFadeInFrames = 150;
    static constexpr int32_t AmbientFadeInFrames = 15;

    // Sounds of the canvas (not counted; none plays nothing); the generator draws the chatter.
    RoundAudio(Kipto2Canvas* canvas, util::Random& random);

    void setCanvas(Kipto2Canvas* newCanvas) { canvas = newCanvas; }
    // A new round: its shop and music, and a full chatter pool.
    void startRound(int32_t shop, bool blitz);

    void play(int32_t entry);
    void playPitched(int32_t entry, float scale);
    void loop(int32_t entry);
    void stop(int32_t entry);
    // Fades to silence over the frames, then stops.
    void fadeOut(int32_t entry, int32_t frames);

    int32_t musicEntry() const { return blitz ? BlitzMusic : DayMusic; }
    int32_t ambientEntry() const { return AmbientBase + shop; }
    // Shops 4, 9 and 11 play their ambient sound with an animation instead of a loop.
    bool hasAmbientLoop() const { return shop != 4 && shop != 9 && shop != 11; }
    // The round's music fades in to the music volume over the frames and loops.
    void startMusic(int32_t frames);
    // The shop's ambient loop fades in to the effects volume, where the shop has one.
    void startAmbientLoop();
    // One chatter sound not played since the pool was last full.
    void playChatter();
    void stopChatter();

private:
    Kipto2Canvas* canvas;
    util::Random& random;
    int32_t shop = 1;
    bool blitz = false;
    std::vector<int32_t> chatterPool;
};

// The game's canvas: the one GameCanvas3 of the run, reachable from everywhere in the game.
// The screens, the music and the players' saved games are added by the game's own classes;
// this class gives them the canvas's place in the start-up.
#pragma once

#include "sprite/GameCanvas3.h"

class Kipto2Canvas : public sprite::GameCanvas3 {
public:
    // Registers itself as the canvas of the run.
    Kipto2Canvas();
    ~Kipto2Canvas() override;

    // The canvas of the run (not counted), or none.
    static Kipto2Canvas* getInstance();

    // Without a data-file name the top-level table is the package text "REGISTRYNAME" + ".dat".
    void setup(const lang::String& baseDir, sprite::User* resolver, const lang::String& dataFile, int32_t option) override;

    bool isInstanceOf(const char* className) const override;
    const char* getClassName() const override { return "Kipto2Canvas"; }
};

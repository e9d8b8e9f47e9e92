// The game's sound table: the 62 entries of the top-level table's <sounds> section, in
// their order, plus the two menu music pieces the canvas opens by name.
#pragma once

#include "Synth.h"

#include <functional>
#include <string>
#include <vector>

namespace contentgen {

enum class SoundFormat { Wav, OggSample, OggStream };

struct SoundEntry {
    int index;               // position in <sounds>; -1 for the music opened by name
    std::string item;        // package item name
    SoundFormat format;
    bool looping;            // played looped: the end must join the start without a click
    double peak;             // normalised peak, linear
    std::string what;        // one line for the table's comment
    std::function<Stereo()> render;
};

// Every sound of the package, table entries first (index 0 to 61), then the music.
std::vector<SoundEntry> soundTable();

} // namespace contentgen

// A small score for the generated music: parts written as note text, rendered to stereo.
//
// Note text: tokens separated by spaces; "|" (bar line) is ignored. A token is
// PITCH:BEATS, where PITCH is a note name with octave ("C5", "F#4", "Bb3"), several joined
// by "+" for a chord ("C4+E4+G4"), or "-" for a rest. Drum text is one character per
// sixteenth: "x" hit, "o" soft hit, anything else silence.
#pragma once

#include "Instruments.h"

#include <string>
#include <vector>

namespace contentgen {

struct Part {
    Voice voice;
    std::string notes;     // note text, or drum text for drum voices
    double gain = 1.0;
    double pan = 0.0;
    double reverbSend = 0.2;
    int transpose = 0;
    double startBeat = 0.0;
    bool drums = false;
};

struct Score {
    double tempo = 120.0;  // beats per minute
    double beats = 64.0;   // length of the piece (the loop period when looping)
    double roomSeconds = 1.4;
    std::vector<Part> parts;
};

// MIDI number of a note name such as "C5", "F#4" or "Bb3"; throws on bad text.
int noteNumber(const std::string& name);

// Renders the score. A looping render is exactly `beats` long with every ring-out folded
// back onto the start; otherwise the piece keeps `tailSeconds` of ring-out after its end.
Stereo renderScore(const Score& score, bool looping, double tailSeconds, uint64_t seed);

} // namespace contentgen

// Voices of the generated music and effects: each renders one note as a mono buffer.
#pragma once

#include "Synth.h"

#include <string>

namespace contentgen {

enum class Voice { Marimba, Bell, Glock, Piano, Pluck, Bass, Pad, Lead, MusicBox, Kick, Snare, Hat, Shaker, Clap, Tick };

// Parses a voice name ("marimba", "bell", ...); throws std::runtime_error for an unknown one.
Voice voiceByName(const std::string& name);

// One note of `seconds` at MIDI pitch `note` (drums ignore it), velocity 0..1.
// The buffer may be longer than `seconds`: it holds the note's natural ring-out.
Mono renderNote(Voice voice, double note, double seconds, double velocity, Rng& rng);

} // namespace contentgen

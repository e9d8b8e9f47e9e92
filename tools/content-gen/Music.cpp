// The game's music, written as scores: the menu intro and loop, the round music of a day
// and of Blitz, and the short shop stingers.
#include "Music.h"

namespace contentgen {

namespace {

Part melodic(const char* voice, const std::string& notes, double gain, double pan, double send)
{
    Part part{voiceByName(voice), notes};
    part.gain = gain;
    part.pan = pan;
    part.reverbSend = send;
    return part;
}

Part drums(const char* voice, const std::string& pattern, double gain, double pan = 0.0)
{
    Part part{voiceByName(voice), pattern};
    part.gain = gain;
    part.pan = pan;
    part.reverbSend = 0.08;
    part.drums = true;
    return part;
}

Score emptyScore(double tempo, double beats, double roomSeconds)
{
    Score score;
    score.tempo = tempo;
    score.beats = beats;
    score.roomSeconds = roomSeconds;
    return score;
}

std::string repeat(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text + " ";
    return out;
}

// Bass line of a bar on root r: root, octave bounce, fifth, root.
std::string walkingBass(const std::vector<std::string>& roots)
{
    std::string out;
    for (const std::string& root : roots) {
        const int r = noteNumber(root);
        const char* names[12] = {"C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};
        auto name = [&](int n) { return std::string(names[n % 12]) + std::to_string(n / 12 - 1); };
        out += name(r) + ":1 " + name(r + 12) + ":0.5 " + name(r) + ":0.5 " + name(r + 7) + ":1 " + name(r) + ":1 | ";
    }
    return out;
}

std::string padChords(const std::vector<std::string>& chords, double beats)
{
    std::string out;
    for (const std::string& chord : chords)
        out += chord + ":" + std::to_string(beats) + " ";
    return out;
}

} // namespace

Score menuLoopScore()
{
    Score score = emptyScore(96, 64, 1.6);
    const std::string melody =
        "E5:1 G5:0.5 E5:0.5 D5:1 C5:1 | A4:1 C5:0.5 E5:0.5 A5:1.5 G5:0.5 | F5:1 E5:0.5 D5:0.5 C5:1 A4:1 | "
        "B4:1 D5:0.5 G5:0.5 F5:1 D5:1 | E5:0.5 F5:0.5 G5:1 C6:1 G5:1 | A5:1 G5:0.5 E5:0.5 C5:1 E5:1 | "
        "D5:1 F5:0.5 A5:0.5 G5:1 F5:1 | E5:1 D5:1 B4:1 G4:1 | A4:0.5 C5:0.5 F5:1 E5:0.5 F5:0.5 A5:1 | "
        "G5:1.5 F5:0.5 D5:1 B4:1 | E5:1 G5:0.5 B5:0.5 G5:1 E5:1 | A5:1.5 G5:0.5 E5:1 C5:1 | "
        "F5:0.5 G5:0.5 A5:1 C6:1 A5:1 | G5:1 B5:0.5 A5:0.5 G5:1 D5:1 | E5:1 D5:0.5 C5:0.5 G5:1 E5:1 | C5:2 -:2";
    const std::vector<std::string> roots = {"C3", "A2", "F2", "G2", "C3", "A2", "D3", "G2",
                                            "F2", "G2", "E2", "A2", "F2", "G2", "C3", "C3"};
    const std::vector<std::string> chords = {"C4+E4+G4", "A3+C4+E4", "F3+A3+C4", "G3+B3+D4", "C4+E4+G4", "A3+C4+E4",
                                             "D4+F4+A4", "G3+B3+D4", "F3+A3+C4", "G3+B3+D4", "E3+G3+B3", "A3+C4+E4",
                                             "F3+A3+C4", "G3+B3+D4", "C4+E4+G4", "C4+E4+G4"};
    score.parts.push_back(melodic("marimba", melody, 0.55, 0.15, 0.25));
    score.parts.push_back(melodic("bass", walkingBass(roots), 0.42, 0.0, 0.05));
    score.parts.push_back(melodic("pad", padChords(chords, 4), 0.09, -0.2, 0.5));
    Part echo = melodic("glock", melody, 0.12, -0.5, 0.6);
    echo.transpose = 12;
    echo.startBeat = 32; // the bell joins for the second half
    echo.notes = melody.substr(melody.find("A4:0.5 C5:0.5 F5:1"));
    score.parts.push_back(echo);
    score.parts.push_back(drums("kick", repeat("x.......x.......", 16), 0.45));
    score.parts.push_back(drums("shaker", repeat("o.x.o.x.o.x.o.x.", 16), 0.14, 0.4));
    score.parts.push_back(drums("clap", repeat("....x.......x...", 16), 0.12, -0.1));
    return score;
}

Score menuIntroScore()
{
    // Twelve beats that end on the tonic chord: the loop, in the same key and tempo, fades in
    // right after its ring-out, without a silent gap.
    Score score = emptyScore(96, 12, 2.2);
    score.parts.push_back(melodic("bell", "C5:0.5 E5:0.5 G5:0.5 C6:0.5 E6:1 D6:0.5 C6:0.5 | A5:0.5 C6:0.5 F6:1 G5:0.5 B5:0.5 D6:1 | "
                                          "C6+E6+G6:4", 0.5, 0.1, 0.45));
    score.parts.push_back(melodic("pad", "C4+E4+G4:4 F3+A3+C4:2 G3+B3+D4:2 C4+E4+G4:4", 0.12, -0.2, 0.5));
    score.parts.push_back(melodic("bass", "C3:4 F2:2 G2:2 C3:4", 0.4, 0.0, 0.05));
    score.parts.push_back(melodic("glock", "-:8 G6:0.25 C7:0.25 E7:0.25 G7:1.25", 0.15, -0.4, 0.7));
    score.parts.push_back(drums("kick", "x...............x.......x.......x", 0.35));
    return score;
}

Score dayRoundScore()
{
    Score score = emptyScore(116, 64, 1.2);
    const std::string melody =
        "C5:0.5 F5:0.5 A5:0.5 F5:0.5 G5:1 A5:1 | F5:0.5 D5:0.5 A4:1 D5:0.5 F5:0.5 E5:1 | "
        "D5:1 F5:0.5 Bb5:0.5 A5:1 G5:1 | E5:0.5 G5:0.5 C6:1 Bb5:0.5 A5:0.5 G5:1 | "
        "A5:1 C6:0.5 A5:0.5 F5:1 C5:1 | D5:0.5 E5:0.5 F5:0.5 A5:0.5 D6:1 C6:1 | "
        "Bb5:1 A5:0.5 G5:0.5 F5:1 D5:1 | E5:1 G5:1 C5:2";
    const std::vector<std::string> roots = {"F2", "D2", "Bb2", "C3", "F2", "D2", "Bb2", "C3"};
    const std::vector<std::string> chords = {"F4+A4+C5", "D4+F4+A4", "D4+F4+Bb4", "E4+G4+C5",
                                             "F4+A4+C5", "D4+F4+A4", "D4+F4+Bb4", "E4+G4+C5"};
    score.parts.push_back(melodic("pluck", melody, 0.55, 0.2, 0.2));
    Part answer = melodic("glock", melody, 0.22, -0.35, 0.4);
    answer.startBeat = 32;
    answer.transpose = 12;
    score.parts.push_back(answer);
    std::string stabs;
    for (int half = 0; half < 2; ++half)
        for (const std::string& chord : chords)
            stabs += "-:0.5 " + chord + ":0.5 -:0.5 " + chord + ":0.5 -:0.5 " + chord + ":0.5 -:0.5 " + chord + ":0.5 ";
    score.parts.push_back(melodic("piano", stabs, 0.16, -0.25, 0.2));
    score.parts.push_back(melodic("bass", walkingBass(roots) + walkingBass(roots), 0.42, 0.0, 0.05));
    score.parts.push_back(drums("kick", repeat("x.......x.x.....", 16), 0.5));
    score.parts.push_back(drums("snare", repeat("....x.......x...", 16), 0.22, 0.05));
    score.parts.push_back(drums("hat", repeat("x.o.x.o.x.o.x.oo", 16), 0.12, 0.35));
    return score;
}

Score blitzRoundScore()
{
    Score score = emptyScore(138, 64, 1.0);
    const std::string lead =
        "A5:0.75 E5:0.25 A5:0.5 C6:0.5 B5:1 G5:1 | A5:0.75 F5:0.25 A5:0.5 C6:0.5 D6:1 C6:1 | "
        "G5:0.75 E5:0.25 G5:0.5 C6:0.5 E6:1 D6:1 | B5:0.5 A5:0.5 G5:0.5 D5:0.5 G5:2 | "
        "A5:0.75 E5:0.25 A5:0.5 C6:0.5 B5:1 G5:1 | A5:0.75 F5:0.25 A5:0.5 C6:0.5 D6:1 C6:1 | "
        "G5:0.75 E5:0.25 G5:0.5 C6:0.5 E6:1 D6:1 | B5:1 D6:1 G6:2";
    const std::vector<std::vector<int>> triads = {{57, 60, 64}, {53, 57, 60}, {48, 52, 55}, {55, 59, 62}};
    const char* names[12] = {"C", "C#", "D", "Eb", "E", "F", "F#", "G", "Ab", "A", "Bb", "B"};
    auto name = [&](int n) { return std::string(names[n % 12]) + std::to_string(n / 12 - 1); };
    std::string arpeggio, bassLine;
    for (int bar = 0; bar < 16; ++bar) {
        const std::vector<int>& triad = triads[bar % 4];
        const int order[8] = {0, 1, 2, 1, 0, 1, 2, 1};
        for (int step = 0; step < 16; ++step)
            arpeggio += name(triad[order[step % 8]] + (step >= 8 ? 12 : 0)) + ":0.25 ";
        const int root = triad[0] - 24;
        bassLine += name(root) + ":0.5 " + name(root) + ":0.5 " + name(root + 12) + ":0.5 " + name(root) + ":0.5 "
                    + name(root) + ":0.5 " + name(root + 7) + ":0.5 " + name(root + 12) + ":0.5 " + name(root) + ":0.5 ";
    }
    score.parts.push_back(melodic("lead", lead + " " + lead, 0.3, 0.1, 0.2));
    score.parts.push_back(melodic("pluck", arpeggio, 0.22, -0.4, 0.15));
    score.parts.push_back(melodic("bass", bassLine, 0.4, 0.0, 0.03));
    score.parts.push_back(drums("kick", repeat("x...x...x...x...", 16), 0.55));
    score.parts.push_back(drums("clap", repeat("....x.......x...", 16), 0.2, -0.05));
    score.parts.push_back(drums("hat", repeat("oxoxoxoxoxoxoxox", 16), 0.11, 0.35));
    return score;
}

Score stingerScore(int shop)
{
    // One short motif per shop, each in its own key and voice, so a shop is known by ear.
    struct Stinger { const char* voice; const char* motif; const char* chord; int transpose; };
    static const Stinger stingers[13] = {
        {"bell", "C5:0.25 E5:0.25 G5:0.25 C6:1.25", "C4+E4+G4:2", 0},        // generic
        {"marimba", "C5:0.25 D5:0.25 E5:0.25 G5:0.25 C6:1", "C4+E4+G4:2", 0}, // grocery
        {"glock", "G5:0.5 E5:0.25 C6:1.25", "C4+E4+A4:2", 2},                 // bakery
        {"musicbox", "C6:0.25 E6:0.25 G6:0.25 E6:0.25 C7:1", "C4+G4+E5:2", 0},// toys
        {"pluck", "E5:0.25 G5:0.25 A5:0.25 C6:1.25", "A3+C4+E4:2", 0},        // garden
        {"lead", "C5:0.25 C5:0.25 G5:0.5 C6:1", "C4+E4+G4:2", 2},             // sports
        {"piano", "E5:0.5 G5:0.5 B5:1", "C4+E4+G4+B4:2", 5},                  // fashion
        {"pluck", "G4:0.25 B4:0.25 D5:0.25 G5:0.25 B5:1", "G3+B3+D4:2", 0},   // music
        {"marimba", "C5:0.25 G4:0.25 C5:0.25 G5:1.25", "C4+E4+G4:2", -2},     // hardware
        {"bell", "E5:0.5 D5:0.25 G5:1.25", "C4+E4+G4:2", 7},                  // beach
        {"lead", "C6:0.125 G5:0.125 C6:0.125 G6:1.625", "C4+G4+C5:2", 0},     // electronics
        {"piano", "C5:0.25 E5:0.25 G5:0.25 C6:1.25", "C4+E4+G4:2", 0},        // general store
        {"glock", "C6:0.25 G5:0.25 E6:0.25 C7:1.25", "C4+E4+G4+C5:2", 0},     // own shop
    };
    const Stinger& s = stingers[shop >= 0 && shop <= 12 ? shop : 0];
    Score score = emptyScore(120, 2, 1.2);
    Part motif = melodic(s.voice, s.motif, 0.6, 0.1, 0.35);
    motif.transpose = s.transpose;
    Part chord = melodic("pad", s.chord, 0.14, -0.2, 0.4);
    chord.transpose = s.transpose;
    score.parts.push_back(motif);
    score.parts.push_back(chord);
    return score;
}

} // namespace contentgen

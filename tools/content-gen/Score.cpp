#include "Score.h"

#include <sstream>
#include <stdexcept>

namespace contentgen {

int noteNumber(const std::string& name)
{
    static const int semitones[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G')
        throw std::runtime_error("bad note " + name);
    int note = semitones[name[0] - 'A'];
    size_t at = 1;
    if (name[at] == '#') { ++note; ++at; }
    else if (name[at] == 'b') { --note; ++at; }
    if (at >= name.size())
        throw std::runtime_error("note without octave " + name);
    const int octave = std::stoi(name.substr(at));
    return note + (octave + 1) * 12;
}

namespace {

struct Event {
    double beat;
    double beats;
    int note;
    double velocity;
};

std::vector<Event> parseNotes(const std::string& text)
{
    std::vector<Event> events;
    std::istringstream in(text);
    double beat = 0.0;
    for (std::string token; in >> token;) {
        if (token == "|")
            continue;
        const size_t colon = token.find(':');
        if (colon == std::string::npos)
            throw std::runtime_error("note without length: " + token);
        const double beats = std::stod(token.substr(colon + 1));
        const std::string pitches = token.substr(0, colon);
        if (pitches != "-") {
            std::istringstream chord(pitches);
            for (std::string pitch; std::getline(chord, pitch, '+');)
                events.push_back({beat, beats, noteNumber(pitch), 1.0});
        }
        beat += beats;
    }
    return events;
}

std::vector<Event> parseDrums(const std::string& text)
{
    std::vector<Event> events;
    double beat = 0.0;
    for (char c : text) {
        if (c == '|' || c == ' ')
            continue;
        if (c == 'x' || c == 'o')
            events.push_back({beat, 0.25, 0, c == 'x' ? 1.0 : 0.55});
        beat += 0.25;
    }
    return events;
}

} // namespace

Stereo renderScore(const Score& score, bool looping, double tailSeconds, uint64_t seed)
{
    const double secondsPerBeat = 60.0 / score.tempo;
    const size_t period = framesOf(score.beats * secondsPerBeat);
    Stereo dry(period + framesOf(tailSeconds + score.roomSeconds));
    Stereo send(dry.frames());
    Rng rng(seed);
    for (const Part& part : score.parts) {
        const std::vector<Event> events = part.drums ? parseDrums(part.notes) : parseNotes(part.notes);
        for (const Event& event : events) {
            const double beat = event.beat + part.startBeat;
            // A little timing and level variation keeps repeated notes from sounding stamped.
            const double humanise = part.drums ? rng.range(-0.004, 0.004) : rng.range(-0.006, 0.006);
            const double at = std::max(0.0, beat * secondsPerBeat + humanise);
            const double velocity = event.velocity * rng.range(0.88, 1.0);
            Mono note = renderNote(part.voice, event.note + part.transpose, event.beats * secondsPerBeat * 0.95, velocity, rng);
            mixInto(dry, note, framesOf(at), part.gain, part.pan);
            mixInto(send, note, framesOf(at), part.gain * part.reverbSend, part.pan);
        }
    }
    Stereo wet = reverb(send, score.roomSeconds, 0.4);
    Stereo mixed(std::max(dry.frames(), wet.frames()));
    for (size_t i = 0; i < mixed.frames(); ++i) {
        mixed.left[i] = (i < dry.frames() ? dry.left[i] : 0.0f) + (i < wet.frames() ? wet.left[i] : 0.0f);
        mixed.right[i] = (i < dry.frames() ? dry.right[i] : 0.0f) + (i < wet.frames() ? wet.right[i] : 0.0f);
    }
    if (looping)
        return foldLoop(mixed, period);
    mixed.resize(period + framesOf(tailSeconds));
    return mixed;
}

} // namespace contentgen

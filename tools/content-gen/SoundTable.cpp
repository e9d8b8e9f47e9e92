#include "SoundTable.h"

#include "Instruments.h"
#include "Music.h"

#include <algorithm>
#include <string>

namespace contentgen {

namespace {

Stereo mono(Mono sound)
{
    Stereo out;
    out.left = sound;
    out.right = std::move(sound);
    return out;
}

Mono note(const char* voice, const char* pitch, double seconds, double velocity, uint64_t seed)
{
    Rng rng(seed);
    return renderNote(voiceByName(voice), noteNumber(pitch), seconds, velocity, rng);
}

// Notes one after another: {pitch, start seconds}.
Mono phrase(const char* voice, const std::vector<std::pair<const char*, double>>& notes, double noteSeconds, uint64_t seed)
{
    Mono out;
    Rng rng(seed);
    for (const auto& [pitch, at] : notes)
        mixInto(out, renderNote(voiceByName(voice), noteNumber(pitch), noteSeconds, 1.0, rng), framesOf(at));
    return out;
}

Mono withRoom(Mono dry, double amount, double room = 1.0)
{
    dry.resize(dry.size() + framesOf(room * 0.8), 0.0f);
    Mono wet = reverb(dry, room, 0.45);
    mixInto(dry, wet, 0, amount);
    fadeEdges(dry, 0.0, 0.05);
    return dry;
}

Mono swish(double seconds, double fromHz, double toHz, uint64_t seed)
{
    Rng rng(seed);
    const size_t length = framesOf(seconds);
    Mono out = noise(length, rng);
    sweepBandPass(out, glide(length, fromHz, toHz), 1.4);
    Mono env(length);
    for (size_t i = 0; i < length; ++i)
        env[i] = float(std::pow(std::sin(kPi * double(i) / length), 2.0));
    applyEnvelope(out, env);
    return out;
}

Mono shimmer(double seconds, int notes, uint64_t seed)
{
    static const char* pentatonic[] = {"C6", "D6", "E6", "G6", "A6", "C7", "D7", "E7"};
    Rng rng(seed);
    Mono out;
    for (int i = 0; i < notes; ++i)
        mixInto(out, renderNote(Voice::Glock, noteNumber(pentatonic[rng.below(8)]), 0.3, rng.range(0.3, 0.8), rng),
                framesOf(rng.range(0.0, seconds)));
    return out;
}

// Speech-like murmur: syllables of a formant voice with a sentence melody.
Mono chatter(int voice, uint64_t seed)
{
    struct Vowel { double f1, f2, f3; };
    static const Vowel vowels[] = {{730, 1090, 2440}, {530, 1840, 2480}, {390, 1990, 2550},
                                   {570, 840, 2410}, {440, 1020, 2240}, {660, 1720, 2410}};
    static const double basePitch[6] = {118, 210, 145, 240, 300, 175};
    Rng rng(seed);
    const int syllables = 5 + rng.below(4);
    std::vector<double> lengths;
    double total = 0.15;
    for (int i = 0; i < syllables; ++i) {
        lengths.push_back(rng.range(0.085, 0.17));
        total += lengths.back() + (rng.below(4) == 0 ? 0.08 : 0.015);
    }
    const size_t length = framesOf(total);
    Mono pitch(length), envelope(length, 0.0f), f1(length), f2(length), f3(length);
    const bool question = rng.below(3) == 0;
    for (size_t i = 0; i < length; ++i) {
        const double t = double(i) / length;
        const double contour = question ? 1.0 - 0.1 * t + 0.35 * std::pow(t, 4.0) : 1.08 - 0.22 * t;
        pitch[i] = float(basePitch[voice % 6] * contour * (1.0 + 0.03 * std::sin(2 * kPi * 4.0 * i / kRate)));
    }
    size_t at = framesOf(0.05);
    Vowel previous = vowels[rng.below(6)];
    for (int s = 0; s < syllables; ++s) {
        const Vowel next = vowels[rng.below(6)];
        const size_t span = framesOf(lengths[size_t(s)]);
        for (size_t i = 0; i < span && at + i < length; ++i) {
            const double u = double(i) / span;
            const double blend = std::min(1.0, u * 4.0); // formants glide in over the syllable's start
            f1[at + i] = float(previous.f1 + (next.f1 - previous.f1) * blend);
            f2[at + i] = float(previous.f2 + (next.f2 - previous.f2) * blend);
            f3[at + i] = float(previous.f3 + (next.f3 - previous.f3) * blend);
            envelope[at + i] = float(std::pow(std::sin(kPi * u), 0.7) * rng.range(0.97, 1.0));
        }
        previous = next;
        at += span + (rng.below(4) == 0 ? framesOf(0.08) : framesOf(0.015));
    }
    for (size_t i = 0; i < length; ++i) // formant tracks hold their last value through gaps
        if (f1[i] == 0.0f) {
            f1[i] = i ? f1[i - 1] : float(previous.f1);
            f2[i] = i ? f2[i - 1] : float(previous.f2);
            f3[i] = i ? f3[i - 1] : float(previous.f3);
        }
    Mono source = sawtooth(pitch);
    Mono breath = noise(length, rng);
    mixInto(source, breath, 0, 0.12);
    Mono voiced(length, 0.0f);
    const Mono* tracks[3] = {&f1, &f2, &f3};
    const double gains[3] = {1.0, 0.55, 0.25};
    for (int k = 0; k < 3; ++k) {
        Mono band = source;
        sweepBandPass(band, *tracks[k], 6.0);
        mixInto(voiced, band, 0, gains[k]);
    }
    applyEnvelope(voiced, envelope);
    biquad(voiced, FilterKind::LowPass, 3200.0, 0.7);
    return withRoom(voiced, 0.25, 0.8);
}

Mono doorbell()
{
    Mono out = note("bell", "E6", 0.6, 1.0, 18);
    mixInto(out, note("bell", "C6", 1.0, 0.9, 19), framesOf(0.32));
    return withRoom(out, 0.3);
}

Mono pop(double from, double to, double seconds)
{
    const size_t length = framesOf(seconds);
    Mono out = sine(glide(length, from, to));
    applyEnvelope(out, envelopeAD(length, 0.002, seconds / 3.0));
    return out;
}

Mono cashRegister()
{
    Rng rng(24);
    Mono out = swish(0.08, 3000, 5000, 240);
    const size_t ring = framesOf(1.2);
    Mono bell = fmTone(ring, 2093.0, 1.41, 3.0, 0.3);
    applyEnvelope(bell, envelopeAD(ring, 0.001, 0.35));
    mixInto(out, bell, framesOf(0.06), 0.7);
    Mono bell2 = fmTone(ring, 2637.0, 1.41, 2.0, 0.3);
    applyEnvelope(bell2, envelopeAD(ring, 0.001, 0.3));
    mixInto(out, bell2, framesOf(0.06), 0.5);
    for (int coin = 0; coin < 6; ++coin) // coins settling in the drawer
        mixInto(out, renderNote(Voice::Glock, 96 + rng.below(8), 0.1, rng.range(0.2, 0.5), rng), framesOf(0.15 + coin * rng.range(0.04, 0.07)));
    return withRoom(out, 0.2);
}

Mono fanfare(const char* voice, const std::vector<std::pair<const char*, double>>& notes, const char* chord, double chordAt, double seconds, uint64_t seed)
{
    Mono out = phrase(voice, notes, 0.22, seed);
    Rng rng(seed + 1);
    std::string chordText = chord;
    size_t start = 0;
    while (start < chordText.size()) {
        const size_t plus = chordText.find('+', start);
        const std::string pitch = chordText.substr(start, plus == std::string::npos ? std::string::npos : plus - start);
        mixInto(out, renderNote(voiceByName(voice), noteNumber(pitch), seconds - chordAt, 0.8, rng), framesOf(chordAt));
        mixInto(out, renderNote(Voice::Pad, noteNumber(pitch) - 12, seconds - chordAt, 0.25, rng), framesOf(chordAt));
        if (plus == std::string::npos)
            break;
        start = plus + 1;
    }
    return withRoom(out, 0.35, 1.4);
}

Mono buzz()
{
    const size_t length = framesOf(0.32);
    Mono out = square(constant(length, 98.0), 0.5);
    mixInto(out, square(constant(length, 104.0), 0.5), 0, 0.8);
    biquad(out, FilterKind::LowPass, 1400.0, 0.8);
    applyEnvelope(out, envelopeASR(length, 0.005, 1.0, 0.06));
    return out;
}

Mono click()
{
    const size_t length = framesOf(0.05);
    Mono out = sine(glide(length, 2200.0, 1200.0));
    applyEnvelope(out, envelopeAD(length, 0.0005, 0.008));
    Rng rng(51);
    Mono tick = noise(framesOf(0.01), rng);
    biquad(tick, FilterKind::HighPass, 3000.0, 0.7);
    applyEnvelope(tick, envelopeAD(tick.size(), 0.0005, 0.002));
    mixInto(out, tick, 0, 0.4);
    return out;
}

Mono schoolBell()
{
    Mono out;
    for (int strike = 0; strike < 7; ++strike)
        mixInto(out, note("bell", strike % 2 ? "E6" : "C6", 0.2, 0.8, 540 + strike), framesOf(strike * 0.09));
    fadeEdges(out, 0.0, 0.4);
    return withRoom(out, 0.25);
}

Mono failTune()
{
    Mono out;
    const char* notes[4] = {"G4", "F#4", "F4", "E4"};
    Rng rng(29);
    for (int i = 0; i < 4; ++i)
        mixInto(out, renderNote(Voice::Lead, noteNumber(notes[i]), i == 3 ? 0.9 : 0.32, 0.7, rng), framesOf(i * 0.36));
    biquad(out, FilterKind::LowPass, 1800.0, 0.7);
    return withRoom(out, 0.25);
}

// Loops: rendered once with ring-out, then folded onto an exact period.
Mono loopOf(Mono rendered, double periodSeconds) { return foldLoop(rendered, framesOf(periodSeconds)); }

Mono rattleLoop()
{
    Mono out;
    Rng rng(31);
    for (int i = 0; i < 16; ++i)
        mixInto(out, renderNote(Voice::Shaker, 0, 0.1, i % 2 ? 0.6 : 1.0, rng), framesOf(i * 0.0625));
    return loopOf(out, 1.0);
}

Mono lowTimeLoop()
{
    Mono out;
    Rng rng(53);
    for (int beat = 0; beat < 8; ++beat) {
        mixInto(out, renderNote(Voice::Tick, beat % 2 ? 79 : 86, 0.05, 1.0, rng), framesOf(beat * 0.4));
        if (beat % 2 == 0) // heartbeat under the clock
            mixInto(out, renderNote(Voice::Kick, 0, 0.2, 0.55, rng), framesOf(beat * 0.4));
    }
    Mono drone = renderNote(Voice::Pad, 45, 3.2, 0.12, rng);
    mixInto(out, drone, 0);
    return loopOf(out, 3.2);
}

// Room tone of a shop: soft filtered noise whose level breathes slowly.
Mono roomTone(double seconds, double cutoff, double level, uint64_t seed)
{
    Rng rng(seed);
    const size_t length = framesOf(seconds);
    const size_t fade = framesOf(0.5);
    Mono out = noise(length + fade, rng);
    biquad(out, FilterKind::LowPass, cutoff, 0.7);
    biquad(out, FilterKind::HighPass, 120.0, 0.7);
    for (size_t i = 0; i < out.size(); ++i)
        out[i] = float(out[i] * level * (0.8 + 0.2 * std::sin(2 * kPi * 2.0 * double(i) / length)));
    return crossfadeLoop(out, length, fade);
}

Mono crowd(double seconds, uint64_t seed)
{
    Mono out;
    Rng rng(seed);
    for (double at = 0.0; at < seconds; at += rng.range(0.5, 1.1))
        mixInto(out, chatter(rng.below(6), seed * 31 + uint64_t(at * 100)), framesOf(at), rng.range(0.06, 0.14));
    return out;
}

Mono birds(double seconds, uint64_t seed)
{
    Mono out;
    Rng rng(seed);
    for (double at = 0.1; at < seconds - 0.4; at += rng.range(0.25, 0.9)) {
        const int chirps = 2 + rng.below(3);
        const double base = rng.range(2500, 4200);
        for (int c = 0; c < chirps; ++c) {
            const size_t length = framesOf(rng.range(0.05, 0.09));
            Mono chirp = sine(glide(length, base, base * rng.range(1.2, 1.6)));
            applyEnvelope(chirp, envelopeAD(length, 0.01, 0.03));
            mixInto(out, chirp, framesOf(at + c * 0.1), rng.range(0.15, 0.3));
        }
    }
    return out;
}

Mono waves(double seconds, uint64_t seed)
{
    Rng rng(seed);
    const size_t length = framesOf(seconds);
    Mono out = noise(length, rng);
    biquad(out, FilterKind::LowPass, 900.0, 0.6);
    for (size_t i = 0; i < length; ++i) {
        const double swell = 0.5 - 0.5 * std::cos(2 * kPi * 2.0 * i / length);
        out[i] = float(out[i] * (0.15 + 0.6 * swell * swell));
    }
    return out;
}

Mono gull(uint64_t seed)
{
    Rng rng(seed);
    Mono out;
    for (int cry = 0; cry < 3; ++cry) {
        const size_t length = framesOf(0.22);
        Mono pitch = glide(length, 1500, 900);
        Mono tone = sawtooth(pitch);
        sweepBandPass(tone, glide(length, 2200, 1400), 2.0);
        applyEnvelope(tone, envelopeAD(length, 0.02, 0.09));
        mixInto(out, tone, framesOf(cry * rng.range(0.22, 0.3)), 0.5);
    }
    return out;
}

Mono notesLoop(const char* voice, const std::vector<const char*>& pitches, double spacing, double velocity, double period, uint64_t seed)
{
    Mono out;
    Rng rng(seed);
    for (size_t i = 0; i < pitches.size(); ++i)
        if (pitches[i][0] != '-')
            mixInto(out, renderNote(voiceByName(voice), noteNumber(pitches[i]), spacing, velocity * rng.range(0.7, 1.0), rng), framesOf(i * spacing));
    return loopOf(withRoom(out, 0.4), period);
}

Mono ambient(int shop)
{
    const double period = 8.0;
    const uint64_t seed = 600 + uint64_t(shop);
    Mono bed = roomTone(period, 700.0, 0.05, seed);
    switch (shop) {
    case 1: mixInto(bed, loopOf(crowd(period, seed), period), 0); break;
    case 2: {
        Mono clinks = notesLoop("glock", {"-", "-", "E7", "-", "-", "-", "-", "-", "-", "C7", "-", "-", "-", "-", "-", "-"}, 0.5, 0.2, period, seed);
        mixInto(bed, clinks, 0);
        mixInto(bed, loopOf(crowd(period, seed), period), 0, 0.6);
        break;
    }
    case 3: mixInto(bed, notesLoop("musicbox", {"C6", "E6", "G6", "E6", "F6", "A6", "G6", "-", "E6", "G6", "C7", "G6", "D6", "F6", "E6", "-"}, 0.5, 0.25, period, seed), 0); break;
    case 4: return withRoom(birds(3.0, seed), 0.3);
    case 5: mixInto(bed, notesLoop("kick", {"C3", "-", "C3", "-", "-", "-", "C3", "-", "-", "-", "-", "-", "C3", "-", "-", "-"}, 0.5, 0.25, period, seed), 0); break;
    case 6: mixInto(bed, notesLoop("pad", {"C4", "-", "-", "-", "A3", "-", "-", "-", "F3", "-", "-", "-", "G3", "-", "-", "-"}, 0.5, 0.12, period, seed), 0); break;
    case 7: mixInto(bed, notesLoop("pluck", {"G4", "B4", "D5", "-", "E4", "G4", "B4", "-", "C4", "E4", "G4", "-", "D4", "F#4", "A4", "-"}, 0.5, 0.2, period, seed), 0); break;
    case 8: {
        // A workshop at the back: hammer taps, a few saw strokes and a spanner set down.
        mixInto(bed, notesLoop("tick", {"C5", "-", "C5", "-", "-", "-", "-", "-", "G4", "-", "G4", "G4", "-", "-", "-", "-"}, 0.5, 0.5, period, seed), 0);
        Mono saw;
        for (int stroke = 0; stroke < 4; ++stroke)
            mixInto(saw, swish(0.32, stroke % 2 ? 2600 : 1300, stroke % 2 ? 1300 : 2600, seed + uint64_t(stroke)), framesOf(2.6 + stroke * 0.34));
        mixInto(saw, note("bell", "G3", 0.3, 0.18, seed), framesOf(6.2));
        mixInto(bed, loopOf(withRoom(saw, 0.3), period), 0, 0.6);
        break;
    }
    case 9: {
        Mono beach = waves(3.5, seed);
        mixInto(beach, gull(seed), framesOf(0.6), 0.6);
        return withRoom(beach, 0.2);
    }
    case 10: mixInto(bed, notesLoop("lead", {"C7", "-", "-", "-", "-", "-", "G6", "-", "-", "-", "-", "-", "-", "E7", "-", "-"}, 0.5, 0.06, period, seed), 0); break;
    case 11: {
        Mono cuckoo = phrase("bell", {{"E5", 0.0}, {"C5", 0.35}, {"E5", 1.0}, {"C5", 1.35}}, 0.3, seed);
        biquad(cuckoo, FilterKind::LowPass, 2000.0, 0.7);
        return withRoom(cuckoo, 0.3);
    }
    default: mixInto(bed, notesLoop("bell", {"C7", "-", "E7", "G6", "-", "-", "D7", "-", "-", "A6", "-", "-", "C7", "-", "-", "-"}, 0.5, 0.12, period, seed), 0); break;
    }
    return bed;
}

Stereo music(const Score& score, bool looping, double tail, uint64_t seed) { return renderScore(score, looping, tail, seed); }

std::string pad2(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

} // namespace

std::vector<SoundEntry> soundTable()
{
    std::vector<SoundEntry> table;
    auto add = [&](std::string item, SoundFormat format, bool looping, double peak, std::string what, std::function<Stereo()> render) {
        table.push_back({int(table.size()), std::move(item), format, looping, peak, std::move(what), std::move(render)});
    };
    const SoundFormat wav = SoundFormat::Wav;
    for (int i = 0; i < 6; ++i)
        add("snd_chatter" + std::to_string(i + 1) + ".wav", wav, false, 0.4, "shop chatter", [i] { return mono(chatter(i, 100 + uint64_t(i))); });
    for (int shop = 1; shop <= 12; ++shop) {
        const bool oneShot = shop == 4 || shop == 9 || shop == 11; // played with the ambient animation
        add("snd_ambient" + pad2(shop) + ".ogg", SoundFormat::OggSample, !oneShot, 0.45,
            oneShot ? "ambient sound of shop " + std::to_string(shop) : "ambient loop of shop " + std::to_string(shop),
            [shop] { return mono(ambient(shop)); });
    }
    add("snd_customer.wav", wav, false, 0.6, "a customer comes in", [] { return mono(doorbell()); });
    add("snd_finale.wav", wav, false, 0.8, "last shop passed", [] {
        return mono(fanfare("bell", {{"C5", 0}, {"E5", 0.15}, {"G5", 0.3}, {"C6", 0.45}, {"E6", 0.6}, {"G6", 0.75}}, "C5+E5+G5+C6", 0.95, 3.0, 19)); });
    add("snd_itemarrive.wav", wav, false, 0.55, "item reached a customer who wants more", [] { return mono(pop(400, 900, 0.12)); });
    add("snd_found.wav", wav, false, 0.6, "item found", [] { return mono(withRoom(phrase("marimba", {{"C6", 0}, {"G6", 0.07}}, 0.2, 21), 0.2)); });
    add("snd_chime.wav", wav, false, 0.6, "rising chime (pitched by the round)", [] { return mono(withRoom(note("glock", "C6", 0.4, 1.0, 22), 0.25)); });
    add("snd_foundlate.wav", wav, false, 0.6, "item found near the end", [] {
        return mono(withRoom(phrase("glock", {{"C6", 0}, {"E6", 0.05}, {"G6", 0.1}, {"C7", 0.15}}, 0.25, 23), 0.3)); });
    add("snd_wishdone.wav", wav, false, 0.7, "wish complete: the till rings", [] { return mono(cashRegister()); });
    add("snd_whoosh.wav", wav, false, 0.45, "every found item", [] { return mono(swish(0.25, 500, 3500, 25)); });
    add("snd_goal.wav", wav, false, 0.7, "goal reached", [] {
        return mono(withRoom(phrase("marimba", {{"G5", 0}, {"C6", 0.1}, {"E6", 0.2}, {"G6", 0.3}, {"C7", 0.45}}, 0.3, 26), 0.3)); });
    add("snd_daypassed.wav", wav, false, 0.75, "day passed", [] {
        return mono(fanfare("piano", {{"C5", 0}, {"E5", 0.15}, {"G5", 0.3}}, "C5+E5+G5+C6", 0.5, 2.0, 27)); });
    add("snd_daygold.wav", wav, false, 0.8, "day passed with gold, new best time", [] {
        return mono(fanfare("bell", {{"G5", 0}, {"C6", 0.12}, {"E6", 0.24}, {"G6", 0.36}}, "C5+G5+C6+E6", 0.55, 2.6, 28)); });
    add("snd_dayfailed.wav", wav, false, 0.6, "time ran out before the goal", [] { return mono(failTune()); });
    add("snd_startclick.wav", wav, false, 0.7, "start button pressed", [] {
        Mono out = pop(300, 1200, 0.15);
        mixInto(out, shimmer(0.5, 8, 30), framesOf(0.05), 0.5);
        return mono(withRoom(out, 0.3)); });
    add("snd_rattle.ogg", SoundFormat::OggSample, true, 0.4, "main menu start button hover loop", [] { return mono(rattleLoop()); });
    add("snd_unlock.wav", wav, false, 0.65, "something opened", [] {
        return mono(withRoom(phrase("glock", {{"C6", 0}, {"E6", 0.08}, {"G6", 0.16}, {"C7", 0.24}, {"E7", 0.32}}, 0.3, 32), 0.4)); });
    for (int shop = 0; shop <= 12; ++shop)
        add("snd_stinger" + pad2(shop) + ".wav", wav, false, 0.7, shop ? "opening stinger of shop " + std::to_string(shop) : "opening stinger",
            [shop] {
                Stereo s = music(stingerScore(shop), false, 1.2, 330 + uint64_t(shop));
                fadeEdges(s.left, 0.003, 0.4);
                return mono(s.left);
            });
    add("snd_upgrade.wav", wav, false, 0.7, "upgrade screen opens", [] {
        return mono(fanfare("glock", {{"E6", 0}, {"G6", 0.1}, {"C7", 0.2}}, "C6+E6+G6", 0.3, 1.5, 46)); });
    add("snd_upgradepick.wav", wav, false, 0.6, "upgrade option chosen", [] {
        Mono out = shimmer(0.4, 10, 47);
        mixInto(out, swish(0.3, 2000, 6000, 470), 0, 0.3);
        return mono(withRoom(out, 0.3)); });
    add("snd_pageback.wav", wav, false, 0.5, "page back", [] { return mono(swish(0.22, 3500, 900, 48)); });
    add("snd_pagenext.wav", wav, false, 0.5, "page forward", [] { return mono(swish(0.22, 900, 3500, 49)); });
    add("snd_hint.wav", wav, false, 0.6, "hint button used", [] {
        return mono(withRoom(phrase("glock", {{"C6", 0}, {"D6", 0.06}, {"E6", 0.12}, {"G6", 0.18}, {"A6", 0.24}, {"C7", 0.3}}, 0.25, 50), 0.4)); });
    add("snd_click.wav", wav, false, 0.5, "button click", [] { return mono(click()); });
    add("snd_knob.wav", wav, false, 0.6, "effects volume sample", [] { return mono(withRoom(note("marimba", "E5", 0.5, 1.0, 52), 0.2)); });
    add("snd_lowtime.ogg", SoundFormat::OggSample, true, 0.5, "little time left (loop)", [] { return mono(lowTimeLoop()); });
    add("snd_timeout.wav", wav, false, 0.65, "time ran out", [] { return mono(schoolBell()); });
    add("snd_buzz.wav", wav, false, 0.45, "click during a lockout", [] { return mono(buzz()); });
    add("snd_token.wav", wav, false, 0.6, "hint token picked up", [] {
        Mono out = phrase("glock", {{"B5", 0}, {"E6", 0.07}}, 0.3, 56);
        return mono(withRoom(out, 0.25)); });
    add("snd_hintdone.wav", wav, false, 0.45, "hint picture fades", [] { return mono(pop(900, 500, 0.12)); });
    add("snd_sparkle.wav", wav, false, 0.5, "sparkle", [] { return mono(withRoom(shimmer(0.6, 12, 58), 0.4)); });
    add("snd_star.wav", wav, false, 0.6, "progress star reached the row", [] {
        Mono out = note("bell", "G6", 0.4, 1.0, 59);
        mixInto(out, shimmer(0.3, 5, 590), framesOf(0.03), 0.4);
        return mono(withRoom(out, 0.3)); });
    add("mus_day.ogg", SoundFormat::OggStream, true, 0.7, "round music of a day", [] { return music(dayRoundScore(), true, 2.0, 60); });
    add("mus_blitz.ogg", SoundFormat::OggStream, true, 0.7, "round music of Blitz", [] { return music(blitzRoundScore(), true, 2.0, 61); });

    table.push_back({-1, "Music_menu_01", SoundFormat::OggStream, false, 0.7, "menu intro, played once", [] {
        Stereo s = music(menuIntroScore(), false, 2.0, 1);
        fadeEdges(s.left, 0.0, 1.0);
        fadeEdges(s.right, 0.0, 1.0);
        return s; }});
    table.push_back({-1, "Music_menu_02", SoundFormat::OggStream, true, 0.7, "menu music loop", [] { return music(menuLoopScore(), true, 2.0, 2); }});
    return table;
}

} // namespace contentgen

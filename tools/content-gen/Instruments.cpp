#include "Instruments.h"

#include <map>
#include <stdexcept>

namespace contentgen {

Voice voiceByName(const std::string& name)
{
    static const std::map<std::string, Voice> voices = {
        {"marimba", Voice::Marimba}, {"bell", Voice::Bell}, {"glock", Voice::Glock},
        {"piano", Voice::Piano}, {"pluck", Voice::Pluck}, {"bass", Voice::Bass},
        {"pad", Voice::Pad}, {"lead", Voice::Lead}, {"musicbox", Voice::MusicBox},
        {"kick", Voice::Kick}, {"snare", Voice::Snare}, {"hat", Voice::Hat},
        {"shaker", Voice::Shaker}, {"clap", Voice::Clap}, {"tick", Voice::Tick}};
    const auto found = voices.find(name);
    if (found == voices.end())
        throw std::runtime_error("unknown voice " + name);
    return found->second;
}

namespace {

Mono partial(size_t length, double frequency, double gain, double decaySeconds)
{
    Mono tone = sine(constant(length, frequency));
    applyEnvelope(tone, envelopeAD(length, 0.002, decaySeconds));
    for (float& v : tone)
        v = float(v * gain);
    return tone;
}

Mono marimba(double f, double velocity)
{
    const size_t length = framesOf(0.9);
    Mono out = partial(length, f, 1.0, 0.32);
    mixInto(out, partial(length, f * 3.93, 0.28 * velocity, 0.06), 0);
    mixInto(out, partial(length, f * 9.8, 0.08 * velocity, 0.02), 0);
    return out;
}

Mono bell(double f, double seconds, double ratio, double ring)
{
    const size_t length = framesOf(std::max(seconds, ring * 3.0));
    Mono out = fmTone(length, f, ratio, 2.2, ring * 0.4);
    applyEnvelope(out, envelopeAD(length, 0.002, ring));
    return out;
}

Mono piano(double f, double seconds)
{
    const size_t length = framesOf(seconds + 0.6);
    Mono out = fmTone(length, f, 1.0, 1.6, 0.25);
    mixInto(out, fmTone(length, f * 2.0, 1.0, 0.6, 0.1), 0, 0.25);
    Mono env = envelopeAD(length, 0.003, 0.9);
    const size_t hold = framesOf(seconds);
    for (size_t i = hold; i < length; ++i)
        env[i] *= float(std::exp(-double(i - hold) / (0.08 * kRate)));
    applyEnvelope(out, env);
    return out;
}

Mono bass(double f, double seconds)
{
    const size_t length = framesOf(seconds + 0.05);
    Mono out = sine(constant(length, f));
    mixInto(out, triangle(constant(length, f)), 0, 0.35);
    mixInto(out, sine(constant(length, f * 2.0)), 0, 0.15);
    applyEnvelope(out, envelopeASR(length, 0.006, 0.85, 0.06));
    Mono env = envelopeAD(length, 0.006, 0.6);
    for (size_t i = 0; i < length; ++i)
        out[i] *= float(0.6 + 0.4 * env[i]);
    return out;
}

Mono pad(double f, double seconds)
{
    const size_t length = framesOf(seconds + 0.4);
    Mono out(length, 0.0f);
    const double detune[3] = {-0.07, 0.0, 0.06};
    for (double cents : detune)
        mixInto(out, sawtooth(constant(length, f * std::pow(2.0, cents / 12.0))), 0, 0.33);
    biquad(out, FilterKind::LowPass, std::min(1800.0, f * 4.0), 0.7);
    applyEnvelope(out, envelopeASR(length, 0.25, 1.0, 0.45));
    return out;
}

Mono lead(double f, double seconds)
{
    const size_t length = framesOf(seconds + 0.08);
    Mono frequency(length);
    for (size_t i = 0; i < length; ++i) // gentle delayed vibrato
        frequency[i] = float(f * (1.0 + 0.004 * std::min(1.0, i / (0.25 * kRate)) * std::sin(2 * kPi * 5.5 * i / kRate)));
    Mono out = square(frequency, 0.3);
    mixInto(out, sawtooth(frequency), 0, 0.3);
    biquad(out, FilterKind::LowPass, 2600.0, 0.8);
    applyEnvelope(out, envelopeASR(length, 0.008, 0.8, 0.07));
    return out;
}

Mono kick(double velocity)
{
    const size_t length = framesOf(0.35);
    Mono out = sine(glide(length, 160.0, 42.0));
    applyEnvelope(out, envelopeAD(length, 0.001, 0.12));
    for (float& v : out)
        v = float(v * velocity);
    return out;
}

Mono filteredNoise(size_t length, FilterKind kind, double cutoff, double q, double decay, Rng& rng)
{
    Mono out = noise(length, rng);
    biquad(out, kind, cutoff, q);
    applyEnvelope(out, envelopeAD(length, 0.001, decay));
    return out;
}

Mono snare(Rng& rng)
{
    const size_t length = framesOf(0.25);
    Mono out = filteredNoise(length, FilterKind::BandPass, 2400.0, 0.6, 0.07, rng);
    Mono body = sine(glide(length, 240.0, 170.0));
    applyEnvelope(body, envelopeAD(length, 0.001, 0.05));
    mixInto(out, body, 0, 0.6);
    return out;
}

Mono clap(Rng& rng)
{
    const size_t length = framesOf(0.25);
    Mono out(length, 0.0f);
    for (int burst = 0; burst < 3; ++burst)
        mixInto(out, filteredNoise(length - framesOf(0.03), FilterKind::BandPass, 1500.0, 1.2, burst == 2 ? 0.08 : 0.008, rng),
                framesOf(0.01 * burst), 0.8);
    return out;
}

} // namespace

Mono renderNote(Voice voice, double note, double seconds, double velocity, Rng& rng)
{
    const double f = midiToHz(note);
    Mono out;
    switch (voice) {
    case Voice::Marimba: out = marimba(f, velocity); break;
    case Voice::Bell: out = bell(f, seconds, 3.5, 0.9); break;
    case Voice::Glock: out = bell(f, seconds, 5.0, 0.45); break;
    case Voice::MusicBox: out = bell(f, seconds, 7.0, 0.6); break;
    case Voice::Piano: out = piano(f, seconds); break;
    case Voice::Pluck: {
        out = pluck(framesOf(std::max(0.6, seconds + 0.3)), f, 0.75, rng);
        biquad(out, FilterKind::LowPass, 4200.0, 0.7);
        fadeEdges(out, 0.0, 0.05);
        break;
    }
    case Voice::Bass: out = bass(f, seconds); break;
    case Voice::Pad: out = pad(f, seconds); break;
    case Voice::Lead: out = lead(f, seconds); break;
    case Voice::Kick: out = kick(1.0); break;
    case Voice::Snare: out = snare(rng); break;
    case Voice::Hat: out = filteredNoise(framesOf(0.08), FilterKind::HighPass, 7500.0, 0.7, 0.018, rng); break;
    case Voice::Shaker: {
        out = filteredNoise(framesOf(0.12), FilterKind::BandPass, 6000.0, 0.9, 0.03, rng);
        Mono swell = envelopeAD(out.size(), 0.02, 0.05);
        applyEnvelope(out, swell);
        break;
    }
    case Voice::Clap: out = clap(rng); break;
    case Voice::Tick: out = filteredNoise(framesOf(0.04), FilterKind::BandPass, note > 0 ? midiToHz(note) : 3000.0, 4.0, 0.006, rng); break;
    }
    for (float& v : out)
        v = float(v * velocity);
    return out;
}

} // namespace contentgen

#include "Synth.h"

#include <algorithm>

namespace contentgen {

void mixInto(Mono& target, const Mono& source, size_t at, double gain)
{
    if (target.size() < at + source.size())
        target.resize(at + source.size(), 0.0f);
    for (size_t i = 0; i < source.size(); ++i)
        target[at + i] += float(source[i] * gain);
}

void mixInto(Stereo& target, const Mono& source, size_t at, double gain, double pan)
{
    if (target.frames() < at + source.size())
        target.resize(at + source.size());
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
    const double left = std::cos(angle) * gain * std::sqrt(2.0);
    const double right = std::sin(angle) * gain * std::sqrt(2.0);
    for (size_t i = 0; i < source.size(); ++i) {
        target.left[at + i] += float(source[i] * left);
        target.right[at + i] += float(source[i] * right);
    }
}

Mono envelopeAD(size_t length, double attackSeconds, double decaySeconds)
{
    Mono env(length);
    const double attack = std::max(1.0, attackSeconds * kRate);
    const double decay = std::max(1.0, decaySeconds * kRate);
    const double release = std::min<double>(length, 0.004 * kRate);
    for (size_t i = 0; i < length; ++i) {
        double v = i < attack ? i / attack : std::exp(-(i - attack) / decay);
        const double left = double(length - i);
        if (left < release)
            v *= left / release;
        env[i] = float(v);
    }
    return env;
}

Mono envelopeASR(size_t length, double attackSeconds, double sustain, double releaseSeconds)
{
    Mono env(length);
    const double attack = std::max(1.0, attackSeconds * kRate);
    const double release = std::max(1.0, std::min<double>(length, releaseSeconds * kRate));
    for (size_t i = 0; i < length; ++i) {
        double v = i < attack ? i / attack : sustain;
        const double left = double(length - i);
        if (left < release)
            v *= left / release;
        env[i] = float(v);
    }
    return env;
}

void applyEnvelope(Mono& sound, const Mono& envelope)
{
    for (size_t i = 0; i < sound.size(); ++i)
        sound[i] *= i < envelope.size() ? envelope[i] : 0.0f;
}

void fadeEdges(Mono& sound, double inSeconds, double outSeconds)
{
    const size_t in = std::min(sound.size(), framesOf(inSeconds));
    const size_t out = std::min(sound.size(), framesOf(outSeconds));
    for (size_t i = 0; i < in; ++i)
        sound[i] *= float(double(i) / in);
    for (size_t i = 0; i < out; ++i)
        sound[sound.size() - 1 - i] *= float(double(i) / out);
}

Mono sine(const Mono& frequency, double phase)
{
    Mono out(frequency.size());
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] = float(std::sin(2.0 * kPi * phase));
        phase += frequency[i] / kRate;
        phase -= std::floor(phase);
    }
    return out;
}

Mono triangle(const Mono& frequency)
{
    Mono out(frequency.size());
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] = float(phase < 0.5 ? 4.0 * phase - 1.0 : 3.0 - 4.0 * phase);
        phase += frequency[i] / kRate;
        phase -= std::floor(phase);
    }
    return out;
}

namespace {

// Band-limited step correction around a discontinuity at phase 0.
double polyBlep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

} // namespace

Mono sawtooth(const Mono& frequency)
{
    Mono out(frequency.size());
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double dt = frequency[i] / kRate;
        out[i] = float(2.0 * phase - 1.0 - polyBlep(phase, dt));
        phase += dt;
        phase -= std::floor(phase);
    }
    return out;
}

Mono square(const Mono& frequency, double duty)
{
    Mono out(frequency.size());
    double phase = 0.0;
    for (size_t i = 0; i < out.size(); ++i) {
        const double dt = frequency[i] / kRate;
        double v = phase < duty ? 1.0 : -1.0;
        v += polyBlep(phase, dt);
        double shifted = phase - duty;
        shifted -= std::floor(shifted);
        v -= polyBlep(shifted, dt);
        out[i] = float(v);
        phase += dt;
        phase -= std::floor(phase);
    }
    return out;
}

Mono constant(size_t length, double value) { return Mono(length, float(value)); }

Mono glide(size_t length, double from, double to)
{
    Mono out(length);
    for (size_t i = 0; i < length; ++i)
        out[i] = float(from * std::pow(to / from, length > 1 ? double(i) / (length - 1) : 0.0));
    return out;
}

Mono noise(size_t length, Rng& rng)
{
    Mono out(length);
    for (float& v : out)
        v = float(rng.bipolar());
    return out;
}

namespace {

struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;

    void set(FilterKind kind, double cutoffHz, double q)
    {
        const double w = 2.0 * kPi * std::clamp(cutoffHz, 10.0, kRate * 0.49) / kRate;
        const double alpha = std::sin(w) / (2.0 * q);
        const double c = std::cos(w);
        double n0, n1, n2;
        switch (kind) {
        case FilterKind::LowPass: n0 = (1 - c) / 2; n1 = 1 - c; n2 = (1 - c) / 2; break;
        case FilterKind::HighPass: n0 = (1 + c) / 2; n1 = -(1 + c); n2 = (1 + c) / 2; break;
        default: n0 = alpha; n1 = 0; n2 = -alpha; break;
        }
        const double a0 = 1 + alpha;
        b0 = n0 / a0; b1 = n1 / a0; b2 = n2 / a0;
        a1 = -2 * c / a0; a2 = (1 - alpha) / a0;
    }

    double run(double x)
    {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1; x1 = x; y2 = y1; y1 = y;
        return y;
    }
};

} // namespace

void biquad(Mono& sound, FilterKind kind, double cutoffHz, double q)
{
    Biquad filter;
    filter.set(kind, cutoffHz, q);
    for (float& v : sound)
        v = float(filter.run(v));
}

void sweepBandPass(Mono& sound, const Mono& centreHz, double q)
{
    Biquad filter;
    for (size_t i = 0; i < sound.size(); ++i) {
        if (i % 16 == 0)
            filter.set(FilterKind::BandPass, centreHz[std::min(i, centreHz.size() - 1)], q);
        sound[i] = float(filter.run(sound[i]));
    }
}

Mono fmTone(size_t length, double frequency, double ratio, double index, double indexDecaySeconds)
{
    Mono out(length);
    const double decay = std::max(1.0, indexDecaySeconds * kRate);
    double carrier = 0.0, modulator = 0.0;
    for (size_t i = 0; i < length; ++i) {
        const double depth = index * std::exp(-double(i) / decay);
        out[i] = float(std::sin(2.0 * kPi * carrier + depth * std::sin(2.0 * kPi * modulator)));
        carrier += frequency / kRate;
        modulator += frequency * ratio / kRate;
        carrier -= std::floor(carrier);
        modulator -= std::floor(modulator);
    }
    return out;
}

Mono pluck(size_t length, double frequency, double brightness, Rng& rng)
{
    const size_t period = std::max<size_t>(2, size_t(std::lround(kRate / frequency)));
    std::vector<double> line(period);
    for (double& v : line)
        v = rng.bipolar();
    // Soften the excitation for darker strings.
    for (int pass = 0; pass < int((1.0 - brightness) * 4.0); ++pass)
        for (size_t i = 1; i < period; ++i)
            line[i] = 0.5 * (line[i] + line[i - 1]);
    Mono out(length);
    size_t at = 0;
    double previous = 0.0;
    const double damping = 0.996;
    for (size_t i = 0; i < length; ++i) {
        const double v = line[at];
        const double next = damping * (0.5 * (v + previous));
        previous = v;
        line[at] = next;
        out[i] = float(v);
        at = (at + 1) % period;
    }
    return out;
}

namespace {

struct Comb {
    std::vector<double> line;
    size_t at = 0;
    double feedback, damping, store = 0.0;
    Comb(size_t size, double fb, double damp) : line(size, 0.0), feedback(fb), damping(damp) {}
    double run(double x)
    {
        const double y = line[at];
        store = y * (1.0 - damping) + store * damping;
        line[at] = x + store * feedback;
        at = (at + 1) % line.size();
        return y;
    }
};

struct AllPass {
    std::vector<double> line;
    size_t at = 0;
    explicit AllPass(size_t size) : line(size, 0.0) {}
    double run(double x)
    {
        const double delayed = line[at];
        const double y = -x + delayed;
        line[at] = x + delayed * 0.5;
        at = (at + 1) % line.size();
        return y;
    }
};

Mono runRoom(const Mono& dry, double roomSeconds, double damping, int spread)
{
    // Comb lengths (in frames at 44.1 kHz, halved for our rate) of the classic Freeverb tuning.
    const int combs[4] = {1116, 1188, 1277, 1356};
    const int allpasses[2] = {556, 441};
    const double feedback = std::clamp(0.7 + roomSeconds * 0.1, 0.5, 0.92);
    std::vector<Comb> bank;
    for (int length : combs)
        bank.emplace_back(size_t((length + spread) / 2), feedback, damping);
    std::vector<AllPass> diffusers;
    for (int length : allpasses)
        diffusers.emplace_back(size_t((length + spread) / 2));
    Mono wet(dry.size());
    for (size_t i = 0; i < dry.size(); ++i) {
        double sum = 0.0;
        for (Comb& comb : bank)
            sum += comb.run(dry[i] * 0.25);
        for (AllPass& pass : diffusers)
            sum = pass.run(sum);
        wet[i] = float(sum);
    }
    return wet;
}

} // namespace

Mono reverb(const Mono& dry, double roomSeconds, double damping) { return runRoom(dry, roomSeconds, damping, 0); }

Stereo reverb(const Stereo& dry, double roomSeconds, double damping)
{
    Stereo wet;
    wet.left = runRoom(dry.left, roomSeconds, damping, 0);
    wet.right = runRoom(dry.right, roomSeconds, damping, 23);
    return wet;
}

void normalise(Mono& sound, double peak)
{
    float largest = 0.0f;
    for (float v : sound)
        largest = std::max(largest, std::fabs(v));
    if (largest > 0.0f)
        for (float& v : sound)
            v = float(v * peak / largest);
}

void normalise(Stereo& sound, double peak)
{
    float largest = 0.0f;
    for (size_t i = 0; i < sound.frames(); ++i)
        largest = std::max({largest, std::fabs(sound.left[i]), std::fabs(sound.right[i])});
    if (largest > 0.0f)
        for (size_t i = 0; i < sound.frames(); ++i) {
            sound.left[i] = float(sound.left[i] * peak / largest);
            sound.right[i] = float(sound.right[i] * peak / largest);
        }
}

Mono foldLoop(const Mono& rendered, size_t period)
{
    Mono loop(period, 0.0f);
    for (size_t i = 0; i < rendered.size(); ++i)
        loop[i % period] += rendered[i];
    return loop;
}

Stereo foldLoop(const Stereo& rendered, size_t period)
{
    Stereo loop;
    loop.left = foldLoop(rendered.left, period);
    loop.right = foldLoop(rendered.right, period);
    return loop;
}

Mono crossfadeLoop(const Mono& rendered, size_t period, size_t fade)
{
    Mono loop(rendered.begin(), rendered.begin() + std::ptrdiff_t(period));
    for (size_t i = 0; i < fade && period + i < rendered.size(); ++i) {
        const double angle = kPi / 2.0 * double(i) / fade;
        loop[i] = float(rendered[i] * std::sin(angle) + rendered[period + i] * std::cos(angle));
    }
    return loop;
}

} // namespace contentgen

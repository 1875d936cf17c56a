#include "tools/samplegame/Synth.h"

#include <algorithm>
#include <cmath>

namespace vn {
namespace {

constexpr double kPi = 3.14159265358979323846;

// A fixed linear congruential sequence, so every run makes the same noise.
struct Random {
    uint32_t state;
    uint32_t Next() { return state = state * 1664525u + 1013904223u; }
    double Unit() { return (Next() >> 8) / 16777216.0; }  // 0..1
};

double Note(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

struct Mix {
    std::vector<double> left, right;
    explicit Mix(size_t n) : left(n), right(n) {}
    void Add(size_t i, double v, double pan) {
        if (i >= left.size()) return;
        left[i] += v * (1 - pan);
        right[i] += v * pan;
    }
    std::vector<int16_t> Render(int channels, double gain) const {
        std::vector<int16_t> out;
        out.reserve(left.size() * channels);
        for (size_t i = 0; i < left.size(); ++i) {
            const double l = std::tanh(left[i] * gain), r = std::tanh(right[i] * gain);
            if (channels == 1) {
                out.push_back(static_cast<int16_t>(std::lround((l + r) * 0.5 * 30000)));
            } else {
                out.push_back(static_cast<int16_t>(std::lround(l * 30000)));
                out.push_back(static_cast<int16_t>(std::lround(r * 30000)));
            }
        }
        return out;
    }
};

// A sine oscillator by rotation, cheaper than calling sin per sample and
// the same on every run.
struct Oscillator {
    double c = 1, s = 0, dc, ds;
    explicit Oscillator(double radiansPerSample) : dc(std::cos(radiansPerSample)), ds(std::sin(radiansPerSample)) {}
    double Next() {
        const double v = s;
        const double nc = c * dc - s * ds;
        s = s * dc + c * ds;
        c = nc;
        return v;
    }
};

// One plucked tone with a soft attack and exponential decay.
void Tone(Mix& mix, int rate, double start, double length, double hz, double level, double pan,
          double brightness) {
    const size_t first = static_cast<size_t>(start * rate);
    const size_t count = static_cast<size_t>(length * rate);
    Oscillator osc(2 * kPi * hz / rate);
    const double decay = std::exp(-3.0 / length / rate);
    double env = 1;
    for (size_t k = 0; k < count; ++k) {
        const double attack = std::min(1.0, static_cast<double>(k) * 80 / rate);
        const double s1 = osc.Next(), c1 = osc.c;
        const double s2 = 2 * s1 * c1, s3 = 3 * s1 - 4 * s1 * s1 * s1;
        const double v = s1 + brightness * 0.5 * s2 + brightness * 0.25 * s3;
        mix.Add(first + k, v * attack * env * level, pan);
        env *= decay;
    }
}

constexpr int kMajor[7] = {0, 2, 4, 5, 7, 9, 11};
constexpr int kMinor[7] = {0, 2, 3, 5, 7, 8, 10};
constexpr int kProgressions[4][4] = {{0, 4, 5, 3}, {0, 5, 3, 4}, {5, 3, 0, 4}, {0, 3, 4, 4}};

}  // namespace

std::vector<int16_t> Synth::Music(uint32_t seed, int mood, int tempoBpm, double seconds) const {
    Random rnd{seed * 2654435761u + 17};
    Mix mix(static_cast<size_t>(seconds * rate_));
    const int* scale = (mood >= 2) ? kMinor : kMajor;
    const int root = -12 + static_cast<int>(rnd.Next() % 7);
    const double beat = 60.0 / tempoBpm;
    const int* prog = kProgressions[rnd.Next() % 4];
    int melody = 7 + static_cast<int>(rnd.Next() % 5);
    for (int bar = 0; bar * 4 * beat < seconds; ++bar) {
        const int degree = prog[bar % 4];
        const double barStart = bar * 4 * beat;
        for (int k = 0; k < 3; ++k) {  // chord
            const int d = degree + 2 * k;
            const int semis = root + scale[d % 7] + 12 * (d / 7);
            Tone(mix, rate_, barStart, 4 * beat, Note(semis - 12), 0.18, 0.3 + 0.2 * k, 0.2);
        }
        Tone(mix, rate_, barStart, 2 * beat, Note(root + scale[degree % 7] - 24), 0.3, 0.5, 0.5);
        const int steps = mood == 3 ? 8 : 4;
        for (int s = 0; s < steps; ++s) {  // melody
            melody = std::clamp(melody + static_cast<int>(rnd.Next() % 5) - 2, 3, 13);
            if (rnd.Unit() < 0.2) continue;
            const int semis = root + scale[melody % 7] + 12 * (melody / 7);
            Tone(mix, rate_, barStart + s * 4 * beat / steps, 4 * beat / steps * 1.5, Note(semis),
                 0.22, 0.7, mood == 3 ? 0.9 : 0.4);
        }
    }
    return mix.Render(channels_, 1.1);
}

std::vector<int16_t> Synth::Voice(uint32_t seed, int pitchHz, double seconds) const {
    Random rnd{seed + 99};
    Mix mix(static_cast<size_t>(seconds * rate_));
    // Two formants per vowel (a, i, u, e, o), in Hz.
    constexpr double kFormants[5][2] = {{800, 1200}, {300, 2300}, {350, 1300}, {500, 1900}, {500, 900}};
    double t0 = 0.05;
    while (t0 < seconds - 0.15) {
        const double len = 0.09 + rnd.Unit() * 0.08;
        const auto& f = kFormants[rnd.Next() % 5];
        const double pitch = pitchHz * (0.9 + rnd.Unit() * 0.25);
        const size_t first = static_cast<size_t>(t0 * rate_);
        const size_t n = static_cast<size_t>(len * rate_);
        std::vector<double> weights;  // per harmonic, fixed for the syllable
        std::vector<Oscillator> partials;
        for (int h = 1; h * pitch < 3500; ++h) {
            const double fh = h * pitch;
            weights.push_back((std::exp(-std::pow((fh - f[0]) / 150, 2)) +
                               0.6 * std::exp(-std::pow((fh - f[1]) / 200, 2)) + 0.05) / h);
            partials.emplace_back(2 * kPi * fh / rate_);
        }
        Oscillator envelope(kPi / (len * rate_));
        for (size_t k = 0; k < n; ++k) {
            const double env = envelope.Next();
            double v = 0;
            for (size_t h = 0; h < weights.size(); ++h) v += weights[h] * partials[h].Next();
            mix.Add(first + k, v * env * 0.5, 0.5);
        }
        t0 += len + (rnd.Unit() < 0.15 ? 0.12 : 0.01);
    }
    return mix.Render(channels_, 1.5);
}

std::vector<int16_t> Synth::Effect(EffectKind kind, double seconds) const {
    Random rnd{static_cast<uint32_t>(kind) * 7919u + 5};
    const size_t n = static_cast<size_t>(seconds * rate_);
    Mix mix(n);
    double low = 0;
    for (size_t k = 0; k < n; ++k) {
        const double t = static_cast<double>(k) / rate_;
        const double noise = rnd.Unit() * 2 - 1;
        double v = 0;
        switch (kind) {
        case EffectKind::Chime:
            v = (std::sin(2 * kPi * 1320 * t) + 0.5 * std::sin(2 * kPi * 1980 * t)) * std::exp(-t * 3);
            break;
        case EffectKind::Bell:
            v = (std::sin(2 * kPi * 660 * t) + 0.6 * std::sin(2 * kPi * 1663 * t)) * std::exp(-t * 1.5);
            break;
        case EffectKind::Knock: {
            const double local = std::fmod(t, 0.35);
            v = (t < 1.05 ? 1.0 : 0.0) * std::sin(2 * kPi * 140 * local) * std::exp(-local * 40) * 2;
            break;
        }
        case EffectKind::Wind:
            low += (noise - low) * 0.02;
            v = low * (0.6 + 0.4 * std::sin(2 * kPi * 0.3 * t)) * 4;
            break;
        case EffectKind::Rain:
            low += (noise - low) * 0.3;
            v = low * 0.8 + (rnd.Unit() < 0.002 ? 1.0 : 0.0);
            break;
        case EffectKind::Whoosh:
            low += (noise - low) * (0.01 + 0.2 * t / seconds);
            v = low * std::sin(kPi * t / seconds) * 5;
            break;
        case EffectKind::Heart: {
            const double local = std::fmod(t, 0.8);
            v = std::sin(2 * kPi * 55 * local) * (std::exp(-local * 25) + std::exp(-std::abs(local - 0.2) * 25) * 0.7) * 2;
            break;
        }
        }
        mix.Add(k, v * 0.5, 0.5);
    }
    return mix.Render(channels_, 1.0);
}

}  // namespace vn

#pragma once
// Small deterministic synthesisers for the sample game's sounds: music
// from a seed, speech-like murmurs for voices, and a handful of effects.
// Output is interleaved 16-bit frames.

#include <cstdint>
#include <vector>

namespace vn {

enum class EffectKind { Chime, Knock, Wind, Rain, Bell, Whoosh, Heart };

class Synth {
public:
    Synth(int rate, int channels) : rate_(rate), channels_(channels) {}

    // A loopable piece: chords and a melody chosen by the seed; mood 0
    // bright (major), 1 calm, 2 sad (minor), 3 tense.
    std::vector<int16_t> Music(uint32_t seed, int mood, int tempoBpm, double seconds) const;
    // A murmur of syllables at the speaker's pitch, as long as the line.
    std::vector<int16_t> Voice(uint32_t seed, int pitchHz, double seconds) const;
    std::vector<int16_t> Effect(EffectKind kind, double seconds) const;

private:
    int rate_, channels_;
};

}  // namespace vn

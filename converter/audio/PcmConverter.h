#pragma once
// Brings 16-bit PCM to a target rate and channel count: channels by our own
// rule (to mono by averaging, to stereo by copying mono or keeping the first
// two channels), the rate through libsoxr.

#include <optional>

#include "converter/audio/Pcm16.h"

namespace vn {

// Mono: the mean of all channels (rounded down); stereo from mono: the one
// channel twice; stereo from more: the first two (front left and right in
// WAVE order). Channels other than 1 and 2 as target are refused.
std::optional<Pcm16> ConvertChannels(const Pcm16& source, uint16_t channels);

// Resampled with libsoxr at high quality; none when the library fails.
std::optional<Pcm16> ConvertRate(const Pcm16& source, uint32_t sampleRate);

// Both; the channel count is reduced before and raised after the rate
// change, so the resampler works on as few channels as possible.
std::optional<Pcm16> ConvertPcm(Pcm16 source, uint32_t sampleRate, uint16_t channels);

}  // namespace vn

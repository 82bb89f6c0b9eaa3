#pragma once

// The bytes of the files the demo ships: JPEG photos, the caption file and a
// WAV sound. Each encoder gives the same bytes for the same input.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "demo_media/canvas.h"

namespace brinox::demo {

// Baseline JPEG, 4:2:0, optimised Huffman tables, no metadata beyond JFIF.
std::vector<std::uint8_t> encodeJpeg(const Canvas& canvas, int quality);

// One record of a family's caption file; both texts in Windows-1252.
struct Caption {
    std::string key;   // 3-digit record number and photo letter, "012B"
    std::string text;  // at most 100 bytes, may be empty
};

inline constexpr std::size_t kCaptionRecordSize = 106;
inline constexpr std::size_t kCaptionTextCapacity = 100;

// The records one after another: key length, key, text length, text, the
// unused bytes 0. Throws std::invalid_argument for a key that is not 4 bytes
// or a text that does not fit.
std::vector<std::uint8_t> encodeCaptions(std::span<const Caption> captions);

// A mono 16-bit PCM WAV file.
std::vector<std::uint8_t> encodeWav(std::span<const std::int16_t> samples, int sampleRate);

// About a second of a soft rising three-note chime.
std::vector<std::int16_t> chime(int sampleRate);

// About two and a half seconds of a voice-like sound: a short sentence
// without words, for the demo's voice fragment.
std::vector<std::int16_t> voice(int sampleRate);

}  // namespace brinox::demo

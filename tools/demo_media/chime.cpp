// A rising major triad struck like small bells: each note a fundamental with
// two softer overtones that die away sooner, the notes a fifth of a second
// apart, the whole faded in and out so it starts and ends without a click.

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

#include "demo_media/media_files.h"

namespace brinox::demo {

namespace {

double bell(double frequency, double t) {
    if (t < 0) return 0;
    const double attack = std::min(1.0, t / 0.004);
    double sum = 0;
    for (const auto& [partial, weight, decay] : {std::tuple{1.0, 1.0, 0.45}, {2.0, 0.3, 0.2}, {3.0, 0.1, 0.1}}) {
        sum += weight * std::exp(-t / decay) * std::sin(2 * std::numbers::pi * frequency * partial * t);
    }
    return attack * sum;
}

}  // namespace

std::vector<std::int16_t> chime(int sampleRate) {
    constexpr double kSeconds = 1.0, kFade = 0.15;
    constexpr double kNotes[][2] = {{659.26, 0.0}, {830.61, 0.2}, {987.77, 0.4}};  // E5, G#5, B5: when struck
    const int count = static_cast<int>(kSeconds * sampleRate);
    std::vector<double> wave(static_cast<std::size_t>(count));
    double peak = 0;
    for (int i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / sampleRate;
        double sum = 0;
        for (const auto& note : kNotes) sum += bell(note[0], t - note[1]);
        const double fade = std::min({1.0, t / 0.01, (kSeconds - t) / kFade});
        wave[static_cast<std::size_t>(i)] = sum * fade;
        peak = std::max(peak, std::fabs(sum * fade));
    }
    std::vector<std::int16_t> samples;
    samples.reserve(wave.size());
    for (const double value : wave)
        samples.push_back(static_cast<std::int16_t>(std::lround(value / peak * 0.6 * 32767)));
    return samples;
}

}  // namespace brinox::demo

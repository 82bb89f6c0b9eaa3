// A few seconds that sound like someone saying a short sentence, without
// any words: a voiced pulse at a speaking pitch that falls towards the end,
// shaped by three vowel resonances (formants) per syllable, with a short
// breath of silence between the syllables. Nobody's voice was recorded.

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "demo_media/media_files.h"

namespace brinox::demo {

namespace {

struct Syllable {
    std::array<double, 3> formants;  // Hz
    double seconds;
    double pitch;  // Hz at the start; it falls by a tenth over the syllable
};

// Vowels as in "a", "ee", "oo", "ie", "e", "aa", "o": a sentence of seven syllables.
constexpr Syllable kSentence[] = {
    {{730, 1090, 2440}, 0.22, 132}, {{390, 2300, 2850}, 0.18, 140}, {{300, 870, 2240}, 0.30, 136},
    {{270, 2290, 3010}, 0.16, 128}, {{530, 1840, 2480}, 0.24, 134}, {{750, 1200, 2500}, 0.34, 122},
    {{570, 840, 2410}, 0.42, 110},
};
constexpr double kPause = 0.07;
constexpr double kBandwidths[] = {80, 110, 160};
constexpr double kGains[] = {1.0, 0.5, 0.25};

// A two-pole resonance at one formant, kept from sample to sample.
class Resonator {
public:
    void tune(double frequency, double bandwidth, int sampleRate) {
        const double r = std::exp(-std::numbers::pi * bandwidth / sampleRate);
        m_b = 2 * r * std::cos(2 * std::numbers::pi * frequency / sampleRate);
        m_c = -r * r;
        m_a = 1 - m_b - m_c;
    }
    double step(double input) {
        const double output = m_a * input + m_b * m_y1 + m_c * m_y2;
        m_y2 = m_y1;
        m_y1 = output;
        return output;
    }

private:
    double m_a = 0, m_b = 0, m_c = 0, m_y1 = 0, m_y2 = 0;
};

}  // namespace

std::vector<std::int16_t> voice(int sampleRate) {
    std::vector<double> wave;
    std::array<Resonator, 3> tract;
    double phase = 0;
    for (const Syllable& syllable : kSentence) {
        for (std::size_t k = 0; k < tract.size(); ++k) tract[k].tune(syllable.formants[k], kBandwidths[k], sampleRate);
        const int count = static_cast<int>(syllable.seconds * sampleRate);
        for (int i = 0; i < count; ++i) {
            const double along = static_cast<double>(i) / count;
            phase += syllable.pitch * (1 - 0.1 * along) / sampleRate;
            phase -= std::floor(phase);
            // A glottal pulse: a quick rise and a slower fall each period.
            const double pulse = phase < 0.4 ? std::sin(std::numbers::pi * phase / 0.4) : 0.0;
            double sum = 0;
            for (std::size_t k = 0; k < tract.size(); ++k) sum += kGains[k] * tract[k].step(pulse);
            // Each syllable swells and dies away, as spoken ones do.
            wave.push_back(sum * std::pow(std::sin(std::numbers::pi * along), 0.6));
        }
        wave.insert(wave.end(), static_cast<std::size_t>(kPause * sampleRate), 0.0);
    }
    double mean = 0;
    for (const double value : wave) mean += value;
    mean /= static_cast<double>(wave.size());
    double peak = 0;
    for (const double value : wave) peak = std::max(peak, std::fabs(value - mean));
    std::vector<std::int16_t> samples;
    samples.reserve(wave.size());
    for (const double value : wave) {
        samples.push_back(static_cast<std::int16_t>(std::lround((value - mean) / peak * 0.7 * 32767)));
    }
    return samples;
}

}  // namespace brinox::demo

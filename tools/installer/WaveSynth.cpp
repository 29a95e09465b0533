#include "tools/installer/WaveSynth.h"

#include <algorithm>
#include <cmath>

#include "tools/installer/WavWriter.h"

namespace installer {

namespace {

constexpr double kPi = 3.14159265358979323846;

// xorshift32: the same noise on every machine and every run.
class Noise {
  public:
    explicit Noise(uint32_t seed) : state_(seed != 0 ? seed : 1) {}
    double next() {  // -1 .. 1
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<double>(state_) / 2147483647.5 - 1.0;
    }
    double uniform(double lo, double hi) { return lo + (hi - lo) * (next() + 1.0) / 2.0; }

  private:
    uint32_t state_;
};

int samplesFor(double seconds) {
    return static_cast<int>(seconds * kSampleRate);
}

// One-pole filters, enough to colour noise.
struct LowPass {
    double a;
    double y = 0;
    explicit LowPass(double cutoffHz) : a(1.0 - std::exp(-2.0 * kPi * cutoffHz / kSampleRate)) {}
    double operator()(double x) { return y += a * (x - y); }
};

struct HighPass {
    LowPass low;
    explicit HighPass(double cutoffHz) : low(cutoffHz) {}
    double operator()(double x) { return x - low(x); }
};

// Scales to the peak level, then ramps the ends to zero so that neither the
// first nor the last sample jumps.
std::vector<int16_t> finish(std::vector<double> signal, double fadeInSeconds,
                            double fadeOutSeconds) {
    const int n = static_cast<int>(signal.size());
    const int fadeIn = std::min(n / 2, std::max(1, samplesFor(fadeInSeconds)));
    const int fadeOut = std::min(n / 2, std::max(1, samplesFor(fadeOutSeconds)));
    for (int i = 0; i < fadeIn; ++i) signal[i] *= static_cast<double>(i) / fadeIn;
    for (int i = 0; i < fadeOut; ++i) signal[n - 1 - i] *= static_cast<double>(i) / fadeOut;
    double peak = 0;
    for (double s : signal) peak = std::max(peak, std::abs(s));
    const double gain = peak > 0 ? kPeakLevel * 32767.0 / peak : 0.0;
    std::vector<int16_t> samples(n);
    for (int i = 0; i < n; ++i) {
        samples[i] =
            static_cast<int16_t>(std::lround(std::clamp(signal[i] * gain, -32767.0, 32767.0)));
    }
    return samples;
}

// A burst of band-limited noise starting at `start` with an exponential tail.
void addBurst(std::vector<double>& out, Noise& noise, int start, int length, double amplitude,
              double decaySeconds, double lowHz, double highHz) {
    LowPass low(highHz);
    HighPass high(lowHz);
    const double decay = std::exp(-1.0 / (decaySeconds * kSampleRate));
    double envelope = amplitude;
    const int attack = std::max(1, length / 12);
    for (int i = 0; i < length && start + i < static_cast<int>(out.size()); ++i) {
        const double rise = i < attack ? static_cast<double>(i) / attack : 1.0;
        out[start + i] += high(low(noise.next())) * envelope * rise;
        envelope *= decay;
    }
}

}  // namespace

std::vector<int16_t> synthShuffle() {
    Noise noise(0x5EED5u);
    std::vector<double> out(samplesFor(1.0), 0.0);
    // The cards fall fast in the middle of the riffle and slower at both ends.
    double t = 0.04;
    while (t < 0.92) {
        const double phase = t / 0.92;
        const double gap = 0.008 + 0.022 * std::pow(2.0 * phase - 1.0, 2.0);
        const double loudness = 0.55 + 0.45 * std::sin(kPi * phase) + 0.15 * noise.next();
        const int start = samplesFor(t + noise.uniform(-0.002, 0.002));
        addBurst(out, noise, std::max(0, start), samplesFor(0.018), loudness, 0.004,
                 noise.uniform(900, 1500), noise.uniform(4500, 7000));
        t += gap;
    }
    // A soft bed of paper noise under the flicks holds the riffle together.
    LowPass bed(2500);
    for (int i = 0; i < static_cast<int>(out.size()); ++i) {
        const double envelope = std::sin(kPi * i / static_cast<double>(out.size()));
        out[i] += 0.05 * envelope * bed(noise.next());
    }
    return finish(std::move(out), 0.01, 0.06);
}

std::vector<int16_t> synthButtonClick() {
    Noise noise(0xC11Cu);
    std::vector<double> out(samplesFor(0.035), 0.0);
    for (int i = 0; i < static_cast<int>(out.size()); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double tone = std::sin(2 * kPi * 2400 * t) * std::exp(-t / 0.004);
        const double body = 0.5 * std::sin(2 * kPi * 900 * t) * std::exp(-t / 0.007);
        out[i] = tone + body + 0.25 * noise.next() * std::exp(-t / 0.0015);
    }
    return finish(std::move(out), 0.0015, 0.01);
}

std::vector<int16_t> synthCardFlick() {
    Noise noise(0xF11Cu);
    std::vector<double> out(samplesFor(0.14), 0.0);
    // The brightness falls as the card slows: a low-pass that closes over time.
    double y = 0;
    HighPass high(700);
    for (int i = 0; i < static_cast<int>(out.size()); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double cutoff = 6500 * std::exp(-t / 0.05) + 800;
        const double a = 1.0 - std::exp(-2.0 * kPi * cutoff / kSampleRate);
        y += a * (noise.next() - y);
        const double envelope = std::min(1.0, t / 0.004) * std::exp(-t / 0.035);
        out[i] = high(y) * envelope;
    }
    return finish(std::move(out), 0.002, 0.03);
}

std::vector<int16_t> synthKnock() {
    Noise noise(0x0C0Cu);
    std::vector<double> out(samplesFor(0.42), 0.0);
    // Wood: a few inharmonic low partials that die quickly, plus a short
    // thump of low noise at the strike.
    const double partials[][3] = {{165, 1.0, 0.045}, {410, 0.55, 0.025}, {780, 0.3, 0.012}};
    for (double strike : {0.01, 0.2}) {
        const int start = samplesFor(strike);
        LowPass thump(1200);
        for (int i = 0; start + i < static_cast<int>(out.size()); ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            if (t > 0.18) break;
            double s = 0;
            for (const auto& p : partials)
                s += p[1] * std::sin(2 * kPi * p[0] * t) * std::exp(-t / p[2]);
            s += 0.6 * thump(noise.next()) * std::exp(-t / 0.006);
            out[start + i] += s * std::min(1.0, t / 0.0008);
        }
    }
    return finish(std::move(out), 0.002, 0.05);
}

}  // namespace installer

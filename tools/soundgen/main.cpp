// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the program's two wave files, always the same bytes for the same build:
//   sound1.wav  a 16-second festive loop (bells, arpeggio, bass, shaker) at 120 beats a minute
//   sound2.wav  a short bright tick for each reel that stops
//   checkin-ok.wav, checkin-again.wav, checkin-unknown.wav  the check-in desk's three answers:
//               a rising chime, a plain double beep and a low falling buzz, told apart by ear
// Every note fades to silence inside its own time slot, so the loop ends where it starts (at
// zero) and repeats without a click.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int SampleRate = 22050;
constexpr double Pi = 3.14159265358979323846;
constexpr int BeatsPerBar = 4;
constexpr int Bars = 8;
constexpr double BeatSeconds = 0.5; // 120 beats a minute

double Frequency(int midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

// A small deterministic noise source (no library random generator: its sequence may change).
class Noise
{
public:
    double Next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return static_cast<double>(m_state >> 8) / static_cast<double>(1u << 24) * 2.0 - 1.0;
    }

private:
    std::uint32_t m_state = 20261207u;
};

// Gain at time t of a note of the given length: a 5 ms attack, an exponential decay, and a
// cosine release over the last `release` seconds that reaches exactly zero at the end.
double Envelope(double t, double length, double decay, double release)
{
    if (t < 0.0 || t >= length) {
        return 0.0;
    }
    const double attack = 0.005;
    double gain = t < attack ? t / attack : std::exp(-(t - attack) / decay);
    const double releaseStart = length - release;
    if (t > releaseStart) {
        gain *= 0.5 * (1.0 + std::cos(Pi * (t - releaseStart) / release));
    }
    return gain;
}

void AddBell(std::vector<double>& out, double start, double length, int note, double volume)
{
    const double f = Frequency(note);
    const int first = static_cast<int>(start * SampleRate);
    const int count = static_cast<int>(length * SampleRate);
    for (int i = 0; i < count && first + i < static_cast<int>(out.size()); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        // Glockenspiel-like partials: the inharmonic upper ones die away first.
        const double body = Envelope(t, length, 0.35, 0.04);
        const double shine = Envelope(t, length, 0.08, 0.04);
        const double v =
            body * (std::sin(2 * Pi * f * t) + 0.25 * std::sin(2 * Pi * 2.0 * f * t)) +
            shine * (0.3 * std::sin(2 * Pi * 2.76 * f * t) + 0.1 * std::sin(2 * Pi * 5.4 * f * t));
        out[static_cast<std::size_t>(first + i)] += volume * v;
    }
}

void AddBass(std::vector<double>& out, double start, double length, int note, double volume)
{
    const double f = Frequency(note);
    const int first = static_cast<int>(start * SampleRate);
    const int count = static_cast<int>(length * SampleRate);
    for (int i = 0; i < count && first + i < static_cast<int>(out.size()); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double g = Envelope(t, length, 0.5, 0.06);
        out[static_cast<std::size_t>(first + i)] +=
            volume * g * (std::sin(2 * Pi * f * t) + 0.35 * std::sin(2 * Pi * 2 * f * t));
    }
}

void AddShaker(std::vector<double>& out, double start, double volume, Noise& noise)
{
    const double length = 0.06;
    const int first = static_cast<int>(start * SampleRate);
    const int count = static_cast<int>(length * SampleRate);
    double previous = 0.0;
    for (int i = 0; i < count && first + i < static_cast<int>(out.size()); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double n = noise.Next();
        const double bright = n - previous; // a first difference keeps the hiss high
        previous = n;
        out[static_cast<std::size_t>(first + i)] +=
            volume * Envelope(t, length, 0.015, 0.01) * bright;
    }
}

std::vector<double> Music()
{
    const double barSeconds = BeatsPerBar * BeatSeconds;
    std::vector<double> out(static_cast<std::size_t>(Bars * barSeconds * SampleRate), 0.0);

    // One chord a bar (C G Am F C F G C), as the notes of its arpeggio and its bass root.
    const int chords[Bars][3] = {{60, 64, 67}, {59, 62, 67}, {57, 60, 64}, {57, 60, 65},
                                 {60, 64, 67}, {57, 60, 65}, {59, 62, 67}, {60, 64, 67}};
    const int roots[Bars] = {36, 43, 45, 41, 36, 41, 43, 36};
    const int melody[Bars][BeatsPerBar] = {{72, 76, 79, 76}, {74, 79, 83, 79}, {76, 72, 69, 72},
                                           {77, 81, 84, 81}, {79, 79, 81, 79}, {77, 77, 76, 74},
                                           {74, 76, 77, 79}, {84, 79, 76, 72}};
    Noise noise;
    for (int bar = 0; bar < Bars; ++bar) {
        const double barStart = bar * barSeconds;
        for (int beat = 0; beat < BeatsPerBar; ++beat) {
            const double t = barStart + beat * BeatSeconds;
            AddBell(out, t, BeatSeconds, melody[bar][beat], 0.42);
            // Eighth-note arpeggio an octave below the tune.
            for (int half = 0; half < 2; ++half) {
                const int step = beat * 2 + half;
                const int pattern[8] = {0, 1, 2, 1, 0, 1, 2, 1};
                AddBell(out, t + half * BeatSeconds / 2, BeatSeconds / 2,
                        chords[bar][pattern[step]], 0.16);
                if (half == 1) {
                    AddShaker(out, t + BeatSeconds / 2, 0.10, noise);
                }
            }
            if (beat % 2 == 0) {
                AddBass(out, t, 2 * BeatSeconds, roots[bar], 0.30);
            }
        }
    }
    return out;
}

std::vector<double> Tick()
{
    const double length = 0.045;
    std::vector<double> out(static_cast<std::size_t>(length * SampleRate), 0.0);
    Noise noise;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / SampleRate;
        const double tone = Envelope(t, length, 0.008, 0.01) *
                            (std::sin(2 * Pi * 1800 * t) + 0.5 * std::sin(2 * Pi * 3600 * t));
        const double click = Envelope(t, 0.004, 0.001, 0.001) * noise.Next();
        out[i] = 0.6 * tone + 0.3 * click;
    }
    return out;
}

// The desk's answers, each under half a second so the next scan never waits for one.
std::vector<double> CheckinOk()
{
    std::vector<double> out(static_cast<std::size_t>(0.45 * SampleRate), 0.0);
    AddBell(out, 0.0, 0.15, 79, 0.5);  // G5
    AddBell(out, 0.12, 0.33, 84, 0.6); // C6, a fourth higher
    return out;
}

std::vector<double> Beep(const std::vector<double>& starts, double length, double frequency,
                         double fall, double total)
{
    std::vector<double> out(static_cast<std::size_t>(total * SampleRate), 0.0);
    for (const double start : starts) {
        const int first = static_cast<int>(start * SampleRate);
        const int count = static_cast<int>(length * SampleRate);
        for (int i = 0; i < count && first + i < static_cast<int>(out.size()); ++i) {
            const double t = static_cast<double>(i) / SampleRate;
            const double f = frequency * (1.0 - fall * t / length);
            const double g = Envelope(t, length, 10.0, 0.02);
            // A square-ish wave from odd partials: a buzz rather than a chime.
            out[static_cast<std::size_t>(first + i)] +=
                g * (std::sin(2 * Pi * f * t) + std::sin(6 * Pi * f * t) / 3.0 +
                     std::sin(10 * Pi * f * t) / 5.0);
        }
    }
    return out;
}

void Put16(std::ofstream& f, std::uint16_t v)
{
    const char b[2] = {static_cast<char>(v & 0xff), static_cast<char>(v >> 8)};
    f.write(b, 2);
}

void Put32(std::ofstream& f, std::uint32_t v)
{
    Put16(f, static_cast<std::uint16_t>(v & 0xffff));
    Put16(f, static_cast<std::uint16_t>(v >> 16));
}

// Scales the peak to `peak` of full scale and writes 16-bit mono PCM.
bool WriteWave(const std::string& path, const std::vector<double>& samples, double peak)
{
    double max = 0.0;
    for (double s : samples) {
        max = std::max(max, std::fabs(s));
    }
    const double scale = max > 0.0 ? peak * 32767.0 / max : 0.0;
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    if (!f) {
        return false;
    }
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    f.write("RIFF", 4);
    Put32(f, 36 + dataBytes);
    f.write("WAVEfmt ", 8);
    Put32(f, 16);
    Put16(f, 1); // PCM
    Put16(f, 1); // mono
    Put32(f, SampleRate);
    Put32(f, SampleRate * 2);
    Put16(f, 2);
    Put16(f, 16);
    f.write("data", 4);
    Put32(f, dataBytes);
    for (double s : samples) {
        const long v = std::lround(std::clamp(s * scale, -32767.0, 32767.0));
        Put16(f, static_cast<std::uint16_t>(static_cast<std::int16_t>(v)));
    }
    return static_cast<bool>(f.flush());
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    if (!WriteWave(folder + "/sound1.wav", Music(), 0.8) ||
        !WriteWave(folder + "/sound2.wav", Tick(), 0.7) ||
        !WriteWave(folder + "/checkin-ok.wav", CheckinOk(), 0.8) ||
        !WriteWave(folder + "/checkin-again.wav", Beep({0.0, 0.16}, 0.1, 660.0, 0.0, 0.3), 0.5) ||
        !WriteWave(folder + "/checkin-unknown.wav", Beep({0.0}, 0.4, 220.0, 0.3, 0.42), 0.7)) {
        std::fprintf(stderr, "cannot write the wave files into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}

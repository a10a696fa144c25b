#include <array>

#include "Instruments.h"
#include "SoundMakers.h"

namespace datagen {
namespace {

struct Note {
    int bar;
    double beat;
    double length;
    int pitch;  // MIDI note number
};

// A bright sea tune in G major: sixteen bars, the second eight answering the first.
constexpr Note kMelody[] = {
    {0, 0, 1, 74},   {0, 1, 1, 79},     {0, 2, 1, 83},    {0, 3, .5, 81},    {0, 3.5, .5, 79},
    {1, 0, 1.5, 76}, {1, 1.5, .5, 79},  {1, 2, 1, 83},    {1, 3, 1, 79},     {2, 0, 1, 76},
    {2, 1, 1, 79},   {2, 2, 1.5, 84},   {2, 3.5, .5, 83}, {3, 0, 2, 81},     {3, 2, 1, 78},
    {3, 3, 1, 74},   {4, 0, 1, 74},     {4, 1, 1, 79},    {4, 2, 1, 83},     {4, 3, 1, 86},
    {5, 0, 1.5, 88}, {5, 1.5, .5, 86},  {5, 2, 1, 84},    {5, 3, 1, 83},     {6, 0, 1, 81},
    {6, 1, 1, 78},   {6, 2, 1, 81},     {6, 3, 1, 84},    {7, 0, 1.5, 83},   {7, 1.5, .5, 81},
    {7, 2, 2, 79},   {8, 0, 1, 79},     {8, 1, 1, 83},    {8, 2, 1.5, 88},   {8, 3.5, .5, 86},
    {9, 0, 1, 84},   {9, 1, .5, 83},    {9, 1.5, .5, 81}, {9, 2, 1, 79},     {9, 3, 1, 76},
    {10, 0, 1, 74},  {10, 1, 1, 79},    {10, 2, 1.5, 83}, {10, 3.5, .5, 81}, {11, 0, 2, 81},
    {11, 2, .5, 83}, {11, 2.5, .5, 81}, {11, 3, 1, 78},   {12, 0, 1, 76},    {12, 1, 1, 79},
    {12, 2, 1, 84},  {12, 3, 1, 88},    {13, 0, 1.5, 86}, {13, 1.5, .5, 83}, {13, 2, 1, 79},
    {13, 3, 1, 83},  {14, 0, 1, 81},    {14, 1, 1, 84},   {14, 2, 1, 78},    {14, 3, 1, 81},
    {15, 0, 3, 79},
};

struct Chord {
    std::array<int, 3> pad;
    int root;
    int fifth;
};

constexpr Chord kG = {{67, 71, 74}, 43, 50};
constexpr Chord kEm = {{64, 67, 71}, 40, 47};
constexpr Chord kC = {{64, 67, 72}, 48, 43};
constexpr Chord kD = {{66, 69, 74}, 50, 45};
constexpr std::array<Chord, 16> kChords = {kG, kEm, kC, kD, kG, kC, kD, kG, kEm, kC, kG, kD, kC, kG, kD, kG};

// 18000 samples a beat, about 107 beats a minute: the loop is a whole number of samples long.
constexpr std::size_t kBeat = 18000;
constexpr int kBeatsPerBar = 4;

std::size_t At(int bar, double beat) {
    return static_cast<std::size_t>((bar * kBeatsPerBar + beat) * static_cast<double>(kBeat));
}

double BeatSeconds(double beats) {
    return beats * Seconds(kBeat);
}

struct Hit {
    double at;
    double held;
    int pitch;
};

// One bar of the accompaniment: pad, bass, drums and hi-hat; with `lifted`, bell arpeggios and a louder hat.
void AccompanyBar(Signal& loop, const Chord& chord, int bar, bool lifted) {
    const auto seed = static_cast<std::uint64_t>(bar);
    for (const int pitch : chord.pad) {
        Mix(loop, Pad(MidiHz(pitch), BeatSeconds(3.8)), At(bar, 0), 0.07, true);
    }
    Mix(loop, Bass(MidiHz(chord.root), BeatSeconds(1.4)), At(bar, 0), 0.22, true);
    Mix(loop, Bass(MidiHz(chord.fifth), BeatSeconds(1.4)), At(bar, 2), 0.19, true);
    for (int beat = 0; beat < kBeatsPerBar; ++beat) {
        if (beat % 2 == 0) {
            Mix(loop, Kick(), At(bar, beat), 0.2, true);
        } else {
            Mix(loop, Rim(seed * 8 + static_cast<std::uint64_t>(beat)), At(bar, beat), 0.12, true);
        }
        for (const double half : {0.0, 0.5}) {
            const double accent = half > 0 ? 0.3 : 0.2;
            Mix(loop, Shaker(100 + seed * 8 + static_cast<std::uint64_t>(beat * 2)), At(bar, beat + half),
                accent, true);
        }
        Mix(loop, Cymbal(0.3, 300 + seed * 4 + static_cast<std::uint64_t>(beat)), At(bar, beat + 0.5),
            lifted ? 0.12 : 0.07, true);
        if (lifted) {
            const int pitch = chord.pad[static_cast<std::size_t>(beat % 3)] + 12;
            Mix(loop, Bell(MidiHz(pitch)), At(bar, beat + 0.5), 0.06, true);
        }
    }
}

}  // namespace

// Rendered round a circle: notes that ring past the end sound on at the start, so the loop has no seam. The
// tune is played twice: the second time a glockenspiel answers the melody and a hi-hat lifts the beat, so
// that it bears being heard many times over in a long game.
Signal MenuTune() {
    const int bars = static_cast<int>(kChords.size());
    Signal loop(At(2 * bars, 0));
    for (const int pass : {0, 1}) {
        for (const Note& note : kMelody) {
            Mix(loop, Lead(MidiHz(note.pitch), BeatSeconds(note.length) * 0.9),
                At(note.bar + pass * bars, note.beat), 0.3, true);
        }
        for (int bar = 0; bar < bars; ++bar) {
            AccompanyBar(loop, kChords[static_cast<std::size_t>(bar)], bar + pass * bars, pass == 1);
        }
    }
    return loop;
}

// A short brass call rising to a held C major chord over timpani and a cymbal swell.
Signal WinFanfare() {
    constexpr Hit kCall[] = {{0.00, 0.10, 67}, {0.13, 0.10, 67}, {0.26, 0.10, 67},
                             {0.40, 0.45, 72}, {0.90, 0.18, 76}, {1.10, 0.18, 79},
                             {1.32, 0.14, 76}, {1.50, 0.22, 79}, {1.80, 2.00, 84}};
    constexpr Hit kChordNotes[] = {{1.80, 2.0, 72}, {1.80, 2.0, 76}, {1.80, 2.0, 79}, {1.80, 2.0, 48}};
    constexpr Hit kDrums[] = {{0.40, 0.3, 36}, {1.50, 0.1, 43}, {1.65, 0.1, 43}, {1.80, 1.5, 36}};
    Signal out(Samples(4.6));
    for (const Hit& hit : kCall) {
        Mix(out, Brass(MidiHz(hit.pitch), hit.held), Samples(hit.at), 0.32);
    }
    for (const Hit& hit : kChordNotes) {
        Mix(out, Brass(MidiHz(hit.pitch), hit.held), Samples(hit.at), 0.16);
    }
    for (const Hit& hit : kDrums) {
        Mix(out, Timpani(MidiHz(hit.pitch), hit.held, static_cast<std::uint64_t>(hit.at * 100)),
            Samples(hit.at), 0.4);
    }
    Mix(out, Cymbal(2.6, 5), Samples(1.8), 0.18);
    FadeOut(out, 0.7);
    return out;
}

}  // namespace datagen

#include "tools/songsynth/Choir.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "tools/songsynth/Score.h"

namespace songsynth {
namespace {

using namespace pitch;

constexpr double kSecondsPerEighth = 0.45;
constexpr double kLeadIn = 0.2;
constexpr double kAttack = 0.1;       // a sung onset swells in
constexpr double kRelease = 0.1;      // as long as the attack: legato notes sum to one
constexpr double kRepeatGap = 0.035;  // a breath between two notes of one pitch
constexpr double kFinalRelease = 1.2;
constexpr double kSopranoGain = 1.0, kAltoGain = 0.2, kTenorGain = 0.22, kBassGain = 0.3;

struct TFormant {
  double Hz, Bandwidth;
};
using TVowel = std::array<TFormant, 5>;

// The open vowel "ah", sung: a high first formant, and the third to fifth
// close together, the ring that carries a voice at 2 to 3.5 kHz.
constexpr TVowel kHighAh{{{880, 90}, {1300, 110}, {2800, 160}, {3300, 200}, {3900, 260}}};
constexpr TVowel kLowAh{{{740, 80}, {1150, 100}, {2500, 140}, {2900, 180}, {3400, 240}}};
// Brightness of the glottal source: above this the pulse train falls off by
// 6 dB more per octave.
constexpr double kSourceRollOffHz = 3000.0;
constexpr double kLipRadiation = 0.9;

// The choir swells over the last two lines and settles for the final chord.
constexpr double kSwellStart = kLeadIn + 48 * kSecondsPerEighth;
constexpr double kSwellRise = 12 * kSecondsPerEighth;
constexpr double kSettleStart = kLeadIn + 69 * kSecondsPerEighth;
constexpr double kSettle = 6 * kSecondsPerEighth;
constexpr double kSwellDb = 3.0, kSettleDb = 1.5;

double Swell(double t) {
  const double db =
      kSwellDb * Ramp(t - kSwellStart, kSwellRise) - kSettleDb * Ramp(t - kSettleStart, kSettle);
  return std::pow(10.0, db / 20.0);
}

struct TPart {
  std::vector<TNote> Notes;
  const TVowel* Vowel;
  double Gain, Pan;
};

// One singer of a section: slightly off the section's pitch and time, with
// a vibrato of their own.
struct TSinger {
  double Cents, Delay, VibratoHz, VibratoPhase, DriftPhase, Pan;
};

double NoteEnvelope(double t, const TNote& note, double gap, double release) {
  const double end = note.Start + note.Length - gap;
  return Ramp(t - note.Start, kAttack) * (1.0 - Ramp(t - end, release));
}

// The envelope is the sum of the envelopes of the notes around `k`.
double Envelope(double t, const std::vector<TNote>& notes, std::size_t k) {
  double sum = 0.0;
  for (std::size_t j = (k > 0 ? k - 1 : 0); j <= k + 1 && j < notes.size(); ++j) {
    const bool last = j + 1 == notes.size();
    const bool repeated = !last && notes[j + 1].Pitch == notes[j].Pitch;
    sum += NoteEnvelope(t, notes[j], repeated ? kRepeatGap : 0.0, last ? kFinalRelease : kRelease);
  }
  return sum;
}

// A band-limited sawtooth step (polyBLEP): the glottal pulse train.
double Saw(double phase, double step) {
  double value = 2.0 * phase - 1.0;
  if (phase < step) {
    const double x = phase / step;
    value -= x + x - x * x - 1.0;
  } else if (phase > 1.0 - step) {
    const double x = (phase - 1.0) / step;
    value -= x * x + x + x + 1.0;
  }
  return value;
}

void Sing(TMix& mix, const TPart& part, const TSinger& singer, TRng& rng) {
  const std::vector<TNote>& notes = part.Notes;
  std::vector<TResonator> tract;
  for (const TFormant& f : *part.Vowel) tract.emplace_back(f.Hz, f.Bandwidth);
  const double end = notes.back().Start + notes.back().Length + kFinalRelease + singer.Delay;
  const double glide = 1.0 - std::exp(-1.0 / (0.03 * kRate));
  const double lowPass = 1.0 - std::exp(-2.0 * kPi * kSourceRollOffHz / kRate);
  double note = notes.front().Pitch, phase = rng.Uniform(), body = 0.0, lastVoice = 0.0;
  std::size_t k = 0;
  for (std::size_t i = 0; i < static_cast<std::size_t>(end * kRate); ++i) {
    const double t = static_cast<double>(i) / kRate - singer.Delay;
    while (k + 1 < notes.size() && t >= notes[k + 1].Start) ++k;
    const double drift = 0.05 * std::sin(2 * kPi * 0.31 * t + singer.DriftPhase) +
                         0.03 * std::sin(2 * kPi * 0.73 * t + 2 * singer.DriftPhase);
    note += (notes[k].Pitch + singer.Cents / 100.0 + drift - note) * glide;
    const double vibrato = 0.18 * Ramp(t - notes[k].Start - 0.15, 0.4) *
                           std::sin(2 * kPi * singer.VibratoHz * t + singer.VibratoPhase);
    const double step = NoteHz(note + vibrato) / kRate;
    phase += step;
    if (phase >= 1.0) phase -= 1.0;
    body += (Saw(phase, step) - body) * lowPass;
    const double envelope = Envelope(t, notes, k);
    const double source = body + 0.02 * (rng.Uniform() - 0.5);
    double voice = source;
    for (TResonator& formant : tract) voice = formant.Step(voice);
    // Sound leaving the lips gains 6 dB per octave: the open, forward tone.
    const double radiated = voice - kLipRadiation * lastVoice;
    lastVoice = voice;
    mix.Add(i, radiated * envelope * Swell(t) * part.Gain, singer.Pan);
  }
}

// Three singers per section make a small chorus.
void SingSection(TMix& mix, const TPart& part, TRng& rng) {
  constexpr std::array<double, 3> kCents{-8.0, 0.0, 7.0};
  constexpr std::array<double, 3> kDelays{0.0, 0.014, 0.027};
  constexpr std::array<double, 3> kSpread{-0.3, 0.0, 0.3};
  for (std::size_t s = 0; s < kCents.size(); ++s) {
    const TSinger singer{kCents[s],
                         kDelays[s],
                         rng.Between(4.8, 5.8),
                         rng.Between(0, 2 * kPi),
                         rng.Between(0, 2 * kPi),
                         std::clamp(part.Pan + kSpread[s], -1.0, 1.0)};
    Sing(mix, part, singer, rng);
  }
}

}  // namespace

std::vector<TNote> SilentNightMelody() {
  return Timed(
      {{G4, 1.5}, {A4, .5}, {G4, 1},   {E4, 3},                       // Silent night,
       {G4, 1.5}, {A4, .5}, {G4, 1},   {E4, 3},                       // holy night,
       {D5, 2},   {D5, 1},  {B4, 3},   {C5, 2},   {C5, 1},  {G4, 3},  // all is calm, all is bright
       {A4, 2},   {A4, 1},  {C5, 1.5}, {B4, .5},  {A4, 1},            // round yon virgin
       {G4, 1.5}, {A4, .5}, {G4, 1},   {E4, 3},                       // mother and child,
       {A4, 2},   {A4, 1},  {C5, 1.5}, {B4, .5},  {A4, 1},            // holy infant so
       {G4, 1.5}, {A4, .5}, {G4, 1},   {E4, 3},                       // tender and mild,
       {D5, 2},   {D5, 1},  {F5, 1.5}, {D5, .5},  {B4, 1},            // sleep in heavenly
       {C5, 3},   {E5, 3},                                            // peace,
       {C5, 1.5}, {G4, .5}, {E4, 1},   {G4, 1.5}, {F4, .5}, {D4, 1},  // sleep in heavenly
       {C4, 9}},                                                      // peace.
      kLeadIn, kSecondsPerEighth);
}

namespace {

// The harmony, one chord per dotted quarter, sung by alto, tenor and bass.
enum TChord { kC, kF, kG, kG7, kEnd };
constexpr std::array<TChord, 24> kChords{kC, kC, kC, kC, kG, kG,  kC, kC, kF, kF,  kC,   kC,
                                         kF, kF, kC, kC, kG, kG7, kC, kC, kC, kG7, kEnd, kEnd};
// Alto, tenor and bass for each chord.
constexpr std::array<std::array<int, 3>, 5> kVoicing{
    {{E4, G3, C3}, {F4, A3, F2}, {D4, B3, G2}, {F4, B3, G2}, {G3, E3, C3}}};

std::vector<TNote> Harmony(std::size_t voice) {
  std::vector<TScoreNote> score;
  for (TChord chord : kChords) score.push_back({kVoicing[chord][voice], 3});
  score.back().Beats += 3;  // the held last chord
  return Timed(score, kLeadIn, kSecondsPerEighth, /*tie=*/true);
}

}  // namespace

TSong RenderSilentNight() {
  TRng rng(1818);
  // The melody stands in front: the other sections sing well under it.
  const std::array<std::pair<const char*, TPart>, 4> sections{{
      {"soprano", {SilentNightMelody(), &kHighAh, kSopranoGain, 0.0}},
      {"alto", {Harmony(0), &kHighAh, kAltoGain, -0.4}},
      {"tenor", {Harmony(1), &kLowAh, kTenorGain, 0.4}},
      {"bass", {Harmony(2), &kLowAh, kBassGain, 0.0}},
  }};
  TSong song;
  for (const auto& [name, part] : sections) {
    TMix mix;
    SingSection(mix, part, rng);
    AddReverb(mix, 0.3, 0.86);
    song.Stems.push_back({name, std::move(mix)});
  }
  return song;
}

}  // namespace songsynth

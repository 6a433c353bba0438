#include "tools/songsynth/Bells.h"

#include <array>
#include <cmath>

#include "tools/songsynth/Score.h"

namespace songsynth {
namespace {

using namespace pitch;

constexpr double kSecondsPerBeat = 60.0 / 116.0;
// Sleigh bells alone lead in for two beats; the song is the sixteen bars of
// the refrain after them, so the loop keeps the beat and the last note
// leads back to the first within six beats.
constexpr int kIntroBeats = 2;
constexpr int kBars = 16;
constexpr double kTuneStart = kIntroBeats * kSecondsPerBeat;
constexpr double kLoopSeconds = (kIntroBeats + 4 * kBars) * kSecondsPerBeat;

struct TPartial {
  double Ratio, Gain, Decay;  // frequency ratio, level, seconds to fall to 1/e
};

// How fast a struck note dies once it is damped.
constexpr double kDamping = 0.045;
constexpr double kNeverDamped = 1e9;

// A struck bar or tube: partials that fade at their own pace, and fall
// away quickly from `dampAt` (seconds after the strike) if it is given.
// Every partial's phase follows the clock of the whole song, so a note
// struck again while it still rings adds to itself instead of cancelling.
template <std::size_t N>
void Strike(TMix& mix, double start, double hz, double gain, double pan,
            const std::array<TPartial, N>& partials, double dampAt = kNeverDamped,
            double tremolo = 0.0) {
  double longest = 0.0;
  for (const TPartial& p : partials) longest = std::max(longest, p.Decay);
  const double length = std::min(6.0 * longest, dampAt + 6.0 * kDamping);
  const std::size_t first = static_cast<std::size_t>(std::lround(start * kRate));
  const double startAt = static_cast<double>(first) / kRate;
  for (std::size_t i = 0; i < static_cast<std::size_t>(length * kRate); ++i) {
    const double t = static_cast<double>(i) / kRate;
    double value = 0.0;
    for (const TPartial& p : partials) {
      if (p.Ratio * hz < 0.45 * kRate) {
        value += p.Gain * std::exp(-t / p.Decay) * std::sin(2 * kPi * p.Ratio * hz * (startAt + t));
      }
    }
    // A quick swell instead of a step, and a fade before the sound is cut.
    const double damped = t > dampAt ? std::exp(-(t - dampAt) / kDamping) : 1.0;
    const double envelope = Ramp(t, 0.002) * damped * (1.0 - Ramp(t - 0.8 * length, 0.2 * length));
    value *= envelope * (1.0 + tremolo * std::sin(2 * kPi * 5.5 * t));
    mix.Add(first + i, gain * value, pan);
  }
}

// A tubular chime: the fundamental carries the tune, the bar's inharmonic
// modes (2.76, 5.40, 8.93 times it) ring on beside it, so it sounds like a
// bell rather than a music box.
constexpr std::array<TPartial, 6> kChime{{{1.0, 1.0, 1.1},
                                          {2.0, 0.22, 0.5},
                                          {2.76, 0.34, 0.8},
                                          {5.40, 0.16, 0.45},
                                          {8.93, 0.07, 0.25},
                                          {13.34, 0.04, 0.04}}};
constexpr std::array<TPartial, 2> kVibes{{{1.0, 1.0, 0.9}, {4.0, 0.2, 0.25}}};
constexpr std::array<TPartial, 3> kBassBell{{{1.0, 1.0, 0.7}, {2.0, 0.3, 0.35}, {3.0, 0.1, 0.2}}};

// A shake of a strap of sleigh bells: a few tiny bells struck almost
// together, with a hiss of metal.
void Shake(TMix& mix, double start, double strength, TRng& rng) {
  for (int bell = 0; bell < 7; ++bell) {
    const double at = start + rng.Between(0.0, 0.018);
    const double hz = rng.Between(3800.0, 6800.0);
    const std::array<TPartial, 2> partials{
        {{1.0, 1.0, rng.Between(0.03, 0.08)}, {rng.Between(1.45, 1.75), 0.6, 0.03}}};
    Strike(mix, at, hz, strength * rng.Between(0.3, 1.0), rng.Between(-0.5, 0.5), partials);
  }
  TBandPass hiss(7000.0, 3000.0);
  const std::size_t first = static_cast<std::size_t>(start * kRate);
  for (std::size_t i = 0; i < static_cast<std::size_t>(0.2 * kRate); ++i) {
    const double t = static_cast<double>(i) / kRate;
    const double envelope = Ramp(t, 0.002) * std::exp(-t / 0.03) * (1.0 - Ramp(t - 0.15, 0.05));
    mix.Add(first + i, 2.0 * strength * envelope * hiss.Step(rng.Uniform() - 0.5), 0.1);
  }
}

}  // namespace

std::vector<TNote> JingleBellsMelody() {
  const std::vector<TScoreNote> jingleAllTheWay{
      {B4, 1}, {B4, 1}, {B4, 2},   {B4, 1},  {B4, 1}, {B4, 2},  // Jingle bells, jingle bells,
      {B4, 1}, {D5, 1}, {G4, 1.5}, {A4, .5}, {B4, 4}};          // jingle all the way.
  const std::vector<TScoreNote> ohWhatFun{{C5, 1}, {C5, 1}, {C5, 1.5}, {C5, .5},  // Oh what fun it
                                          {C5, 1}, {B4, 1}, {B4, 1},   {B4, .5},
                                          {B4, .5}};  // is to ride in a
  std::vector<TScoreNote> score = jingleAllTheWay;
  score.insert(score.end(), ohWhatFun.begin(), ohWhatFun.end());
  score.insert(
      score.end(),
      {{B4, 1}, {A4, 1}, {A4, 1}, {B4, 1}, {A4, 2}, {D5, 2}});  // one-horse open sleigh, hey!
  score.insert(score.end(), jingleAllTheWay.begin(), jingleAllTheWay.end());
  score.insert(score.end(), ohWhatFun.begin(), ohWhatFun.end());
  score.insert(score.end(),
               {{D5, 1}, {D5, 1}, {C5, 1}, {A4, 1}, {G4, 4}});  // one-horse open sleigh.
  return Timed(score, kTuneStart, kSecondsPerBeat);
}

namespace {

enum TChord { kG, kC, kAm, kD7 };
// One chord per bar of the refrain.
constexpr std::array<TChord, kBars> kChords{kG, kG, kG, kG, kC, kG, kAm, kD7,
                                            kG, kG, kG, kG, kC, kG, kD7, kG};
struct TVoicing {
  std::array<int, 3> Upper;
  int Root, Fifth;
};
constexpr std::array<TVoicing, 4> kVoicings{{{{G3, B3, D4}, G2, D3},
                                             {{G3, C4, E4}, C3, G2},
                                             {{A3, C4, E4}, A2, E3},
                                             {{Fs4 - 12, A3, C4}, D3, A2}}};

// Bass bells on beats one and three, chord chimes on two and four.
void Accompany(TMix& mix) {
  for (std::size_t bar = 0; bar < kChords.size(); ++bar) {
    const TVoicing& v = kVoicings[kChords[bar]];
    const double barStart = kTuneStart + 4.0 * bar * kSecondsPerBeat;
    const bool last = bar + 1 == kChords.size();
    Strike(mix, barStart, NoteHz(v.Root), 0.45, 0.0, kBassBell);
    if (!last) Strike(mix, barStart + 2 * kSecondsPerBeat, NoteHz(v.Fifth), 0.4, 0.0, kBassBell);
    for (int beat : {1, 3}) {
      if (last && beat == 3) break;
      for (std::size_t n = 0; n < v.Upper.size(); ++n) {
        Strike(mix, barStart + beat * kSecondsPerBeat, NoteHz(v.Upper[n]), 0.12,
               -0.4 + 0.4 * static_cast<double>(n), kVibes, kNeverDamped, 0.15);
      }
    }
  }
}

// Eighth-note shakes, stronger on the backbeat, and a roll that fades
// over the last bar.
void SleighBells(TMix& mix, double endOfTune, TRng& rng) {
  for (double beat = 0; beat * kSecondsPerBeat < endOfTune; beat += 0.5) {
    const bool backbeat = std::fmod(beat, 2.0) == 1.0;
    const bool offbeat = std::fmod(beat, 1.0) != 0.0;
    Shake(mix, beat * kSecondsPerBeat, backbeat ? 0.22 : offbeat ? 0.1 : 0.14, rng);
  }
  constexpr int kRollShakes = 14;
  for (int i = 0; i < kRollShakes; ++i) {
    Shake(mix, endOfTune + i * kSecondsPerBeat / 4, 0.18 * (1.0 - i / double(kRollShakes)), rng);
  }
}

// The tune on chimes, each note damped as the next is struck.
TMix Chimes(const std::vector<TNote>& melody) {
  TMix mix;
  for (std::size_t k = 0; k < melody.size(); ++k) {
    const TNote& note = melody[k];
    const double dampAt = k + 1 < melody.size() ? melody[k + 1].Start - note.Start : kNeverDamped;
    Strike(mix, note.Start, NoteHz(note.Pitch + 12), 0.32, 0.1, kChime, dampAt);
  }
  return mix;
}

}  // namespace

TSong RenderJingleBells() {
  TRng rng(1857);
  const std::vector<TNote> melody = JingleBellsMelody();
  TSong song;
  song.Stems.push_back({"chimes", Chimes(melody)});
  song.Stems.push_back({"accompaniment", {}});
  Accompany(song.Stems.back().Mix);
  song.Stems.push_back({"sleighbells", {}});
  SleighBells(song.Stems.back().Mix, melody.back().Start, rng);
  for (TStem& stem : song.Stems) AddReverb(stem.Mix, 0.18, 0.8);
  song.LoopSeconds = kLoopSeconds;
  song.FadeOutSeconds = 0.8;
  return song;
}

}  // namespace songsynth

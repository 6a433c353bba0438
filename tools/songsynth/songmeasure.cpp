// Prints the figures a review of the songs looks at, from the files that
// songsynth wrote into a folder (and their stems, if exported there):
//   songmeasure <folder> [bells tune offset in seconds]
// The offset moves the bells tune's note times, for measuring a rendering
// whose intro was longer or shorter than this program's.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <string>

#include "tools/songsynth/Bells.h"
#include "tools/songsynth/Choir.h"
#include "tools/songsynth/Loudness.h"
#include "tools/songsynth/SongMeasures.h"

namespace {

using namespace songsynth;

bool Exists(const std::string& path) {
  return std::ifstream(path).good();
}

void Overall(const std::string& path) {
  const TStereo wav = ReadWav(path);
  float peak = 0.0f;
  for (std::size_t i = 0; i < wav.Left.size(); ++i)
    peak = std::max({peak, std::abs(wav.Left[i]), std::abs(wav.Right[i])});
  const TBalance balance = SpectralBalance(wav.Mono());
  std::printf("%s: %.2f s, %.1f LUFS, peak %.2f dBFS, centroid %.0f Hz, 2-4 kHz %.1f dB\n",
              path.c_str(), wav.Seconds(), IntegratedLoudness(wav.Left, wav.Right),
              20 * std::log10(peak), balance.CentroidHz, balance.PresenceDb);
}

double Slice(const TStereo& wav, double from, double to) {
  const auto at = [&](double t) { return static_cast<long>(t * kRate); };
  return IntegratedLoudness({wav.Left.begin() + at(from), wav.Left.begin() + at(to)},
                            {wav.Right.begin() + at(from), wav.Right.begin() + at(to)});
}

void Choir(const std::string& stem) {
  const std::vector<TNote> melody = SilentNightMelody();
  const TStereo song = ReadWav(stem + ".wav");
  const double eighth = melody[1].Start - melody[0].Start;  // the first note is 1.5 eighths
  const double start = melody[0].Start, unit = eighth / 1.5;
  std::printf("choir loudness: lines 1-8 %.1f LUFS, swell lines 9-10 %.1f, last line %.1f\n",
              Slice(song, start, start + 48 * unit),
              Slice(song, start + 48 * unit, start + 66 * unit),
              Slice(song, start + 66 * unit, start + 75 * unit));
  // Which notes a pitch tracker on the whole mix hears as the melody.
  const std::vector<float> mix = song.Mono();
  int heard = 0, heardHigh = 0, high = 0;
  for (const TNote& note : melody) {
    const double tracked = TrackedPitchHz(mix, note.Start + 0.3 * note.Length, 0.05);
    const bool onPitch =
        tracked > 0 && std::abs(1200 * std::log2(tracked / NoteHz(note.Pitch))) < 50;
    heard += onPitch;
    if (note.Pitch >= 71) heardHigh += onPitch, ++high;
  }
  std::printf("pitch tracker on the mix follows the melody on %d of %zu notes, %d of %d on B4-F5\n",
              heard, melody.size(), heardHigh, high);
  if (!Exists(stem + "-soprano.wav")) return;
  const std::vector<float> soprano = ReadWav(stem + "-soprano.wav").Mono();
  std::vector<std::vector<float>> others;
  for (const char* name : {"alto", "tenor", "bass"})
    others.push_back(ReadWav(stem + "-" + name + ".wav").Mono());
  double worst = 1e9, sum = 0.0, worstHigh = 1e9;
  int under3 = 0, under0 = 0;
  for (const TNote& note : melody) {
    const double from = note.Start + 0.25 * note.Length, to = note.Start + 0.75 * note.Length;
    double loudestOther = -1e9;
    for (const auto& other : others) loudestOther = std::max(loudestOther, RmsDb(other, from, to));
    const double margin = RmsDb(soprano, from, to) - loudestOther;
    worst = std::min(worst, margin);
    if (note.Pitch >= 71) worstHigh = std::min(worstHigh, margin);
    sum += margin;
    under3 += margin < 3.0;
    under0 += margin < 0.0;
  }
  std::printf(
      "melody over the loudest other voice, per note: worst %.1f dB, worst on B4-F5 %.1f dB, "
      "mean %.1f dB, %d of %zu notes under 3 dB, %d under 0 dB\n",
      worst, worstHigh, sum / melody.size(), under3, melody.size(), under0);
}

void Bells(const std::string& stem, double offset) {
  std::vector<TNote> melody = JingleBellsMelody();
  for (TNote& note : melody) note.Start += offset;
  const TStereo song = ReadWav(stem + ".wav");
  std::printf("bells loop tail (last melody onset to next pass's first): %.2f s\n",
              song.Seconds() - melody.back().Start + melody.front().Start);
  if (!Exists(stem + "-chimes.wav")) return;
  const std::vector<float> chimes = ReadWav(stem + "-chimes.wav").Mono();
  const auto hz = [](const TNote& n) { return NoteHz(n.Pitch + 12); };
  int changes = 0, within6 = 0, repeats = 0, weaker = 0;
  double worst = -1e9;
  for (std::size_t k = 1; k < melody.size(); ++k) {
    const TNote &before = melody[k - 1], &now = melody[k];
    if (before.Pitch != now.Pitch) {
      const double lead = ToneDb(chimes, now.Start + 0.04, 0.08, hz(before)) -
                          ToneDb(chimes, now.Start + 0.04, 0.08, hz(now));
      ++changes;
      within6 += lead > -6.0;
      worst = std::max(worst, lead);
    } else {
      ++repeats;
      weaker += ToneDb(chimes, now.Start + 0.005, 0.04, hz(now)) <
                ToneDb(chimes, now.Start - 0.04, 0.04, hz(now));
    }
  }
  std::printf(
      "chime: previous pitch 80 ms after a new note: worst %.1f dB under it, %d of %d "
      "within 6 dB; %d of %d repeated strikes weaker than the ring before them\n",
      -worst, within6, changes, weaker, repeats);
  // The long last note: what rings 300 to 400 ms after its strike.
  const TNote& last = melody.back();
  const double f = hz(last), at = last.Start + 0.3;
  std::printf(
      "chime 300 ms after the last strike, against its fundamental: octave %.1f dB, "
      "2.76x %.1f dB, 5.40x %.1f dB\n",
      ToneDb(chimes, at, 0.1, 2 * f) - ToneDb(chimes, at, 0.1, f),
      ToneDb(chimes, at, 0.1, 2.76 * f) - ToneDb(chimes, at, 0.1, f),
      ToneDb(chimes, at, 0.1, 5.40 * f) - ToneDb(chimes, at, 0.1, f));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: songmeasure <folder> [bells tune offset in seconds]\n");
    return 2;
  }
  const std::string folder = std::string(argv[1]) + "/";
  try {
    Overall(folder + "KeloSong1.wav");
    Overall(folder + "KeloSong2.wav");
    Choir(folder + "KeloSong1");
    Bells(folder + "KeloSong2", argc == 3 ? std::atof(argv[2]) : 0.0);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "songmeasure: %s\n", error.what());
    return 1;
  }
  return 0;
}

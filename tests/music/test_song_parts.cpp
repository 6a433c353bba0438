// The songs part by part, as the synthesiser renders them: the choir's
// melody sings out over the other sections on every note, and the chime
// tune rings each note cleanly into the next.
#include <QTest>

#include "tools/songsynth/Bells.h"
#include "tools/songsynth/Choir.h"
#include "tools/songsynth/SongMeasures.h"

namespace {

using namespace songsynth;

std::vector<float> Stem(const TSong& song, const std::string& name) {
  for (const TStem& stem : song.Stems)
    if (stem.Name == name) return TStereo{stem.Mix.Left, stem.Mix.Right}.Mono();
  return {};
}

QString Describe(const TNote& note, double figure) {
  return QString("note %1 at %2 s: %3 dB").arg(note.Pitch).arg(note.Start).arg(figure, 0, 'f', 1);
}

double ChimeHz(const TNote& note) {
  return NoteHz(note.Pitch + 12);  // the chimes play the tune an octave up
}

}  // namespace

class TestSongParts : public QObject {
  Q_OBJECT

 private slots:
  void melodyStandsOverEachOtherSection() {
    const TSong choir = RenderSilentNight();
    const std::vector<float> soprano = Stem(choir, "soprano");
    QVERIFY(!soprano.empty());
    for (const TNote& note : SilentNightMelody()) {
      const double from = note.Start + 0.25 * note.Length, to = note.Start + 0.75 * note.Length;
      for (const char* other : {"alto", "tenor", "bass"}) {
        const std::vector<float> section = Stem(choir, other);
        QVERIFY(!section.empty());
        const double margin = RmsDb(soprano, from, to) - RmsDb(section, from, to);
        QVERIFY2(margin >= 3.0, qPrintable(Describe(note, margin) + " over " + other));
      }
    }
  }

  void initTestCase() { chimes_ = Stem(RenderJingleBells(), "chimes"); }

  void chimeNotesRingCleanlyIntoTheNext() {
    const std::vector<float>& chimes = chimes_;
    QVERIFY(!chimes.empty());
    const std::vector<TNote> melody = JingleBellsMelody();
    int repeats = 0;
    for (std::size_t k = 1; k < melody.size(); ++k) {
      const TNote &before = melody[k - 1], &now = melody[k];
      if (before.Pitch != now.Pitch) {
        // 80 ms into a new note, the one before has all but stopped.
        const double lead = ToneDb(chimes, now.Start + 0.04, 0.08, ChimeHz(before)) -
                            ToneDb(chimes, now.Start + 0.04, 0.08, ChimeHz(now));
        QVERIFY2(lead <= -10.0, qPrintable(Describe(now, lead)));
      } else {
        // A strike on a still ringing note renews it, never cancels it.
        const double renewal = ToneDb(chimes, now.Start + 0.005, 0.04, ChimeHz(now)) -
                               ToneDb(chimes, now.Start - 0.04, 0.04, ChimeHz(now));
        QVERIFY2(renewal >= 1.0, qPrintable(Describe(now, renewal)));
        ++repeats;
      }
    }
    QCOMPARE(repeats, 29);
  }

  void chimesRingWithInharmonicPartials() {
    const std::vector<float>& chimes = chimes_;
    const TNote last = JingleBellsMelody().back();
    const double hz = ChimeHz(last), at = last.Start + 0.3;
    // 300 ms after the strike the bar's 2.76 mode still sounds beside the
    // fundamental: a bell, not a plain tone and its octave.
    const double mode = ToneDb(chimes, at, 0.1, 2.76 * hz) - ToneDb(chimes, at, 0.1, hz);
    QVERIFY2(mode > -20.0, qPrintable(QString::number(mode)));
  }

 private:
  std::vector<float> chimes_;
};

QTEST_GUILESS_MAIN(TestSongParts)
#include "test_song_parts.moc"

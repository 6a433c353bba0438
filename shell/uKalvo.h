#pragma once
// The main window: the globe, its menus and hot zones, the play clock and
// the song player.
#include <QImage>
#include <QMainWindow>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

#include "animation/Clock.h"
#include "animation/Patterns.h"
#include "animation/Pictures.h"
#include "animation/SpriteCatalogue.h"
#include "platform/MediaPlayer.h"
#include "platform/Timer.h"
#include "shell/MainMenu.h"
#include "shell/PatternSelection.h"

class QAction;
class TGlobeView;
class THotZone;

class TfmKalvo : public QMainWindow {
  Q_OBJECT
 public:
  explicit TfmKalvo(QWidget* parent = nullptr);
  ~TfmKalvo() override;

  // Event handlers: the window's commands. Each runs as one event; errors
  // it raises go to the default error handler.
  void miExitClick();
  void tmrPlayTimer();
  void miPlayClick();
  void miStopClick();
  void FormCreate();
  void FormClose();
  void miHatuyukiClick();
  void miRegularClick();
  void miTatumakiClick();
  void miUnbelieveClick();
  void miCocktailClick();
  void miRndClick();
  void N3Click();
  void miReadMeClick();
  void miKeloSong1Click();
  void miKeloSong2Click();

  // The clock's two operations.
  void StartClock();
  void StopClock();

  // What a pattern item does: turns Random mode off, makes `pattern` the one
  // the clock plays and checks its item.
  void ChoosePattern(TPattern pattern);
  // What the Random command does: seeds the program's random sequence (from
  // the time of day, or with `seed` for a run that can be repeated), picks a
  // pattern from it, turns Random mode on and checks the Random item.
  void PickRandom(std::optional<std::uint32_t> seed = std::nullopt);

  // The state of the show.
  const TClockState& ClockState() const { return Clock; }
  const TPatternSelection& PatternSelection() const { return Selection; }
  bool ShowRunning() const { return tmrPlay->Enabled(); }
  TMPModes SongMode() const { return mpKeloSong.Mode(); }

 signals:
  // A picture just copied onto the window: each drawn step's frame, and the
  // plain globe when a show stops.
  void presented(const QImage& frame);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Tests look inside through this one class (tests/fixtures/KalvoProbe.h).
  friend class TKalvoProbe;

  // The menu tree's rows, in order (MainMenu.cpp).
  static std::span<const TMenuItemDesign> MenuDesign();

  void CreateComponents();
  void CreateMenu();
  void ConnectHandlers();
  void SetClientSize(int width, int height);
  QAction* PatternItem(TPattern pattern) const;
  void SelectSongItem(int song, QAction* item);
  void DrawStep();

  // Components.
  TPicture imgBack;
  TGlobeView* GlobeView = nullptr;
  THotZone* Image1 = nullptr;
  THotZone* Image2 = nullptr;
  platform::TTimer* tmrPlay = nullptr;
  TMediaPlayer mpKeloSong;
  QAction* miSnowType = nullptr;
  QAction* miMusic = nullptr;
  QAction* miCocktail = nullptr;
  QAction* miUnbelieve = nullptr;
  QAction* miHatuyuki = nullptr;
  QAction* miRegular = nullptr;
  QAction* miTatumaki = nullptr;
  QAction* miRnd = nullptr;
  QAction* miKeloSong1 = nullptr;
  QAction* miKeloSong2 = nullptr;
  QAction* miReadMe = nullptr;

  // The sprite pictures and the catalogue that refers to them.
  TSpriteSources Sources;
  TSpriteCatalogue Catalogue;

  // Pattern selection: CurrentPattern, TrackCount, RandomMode.
  TPatternSelection Selection;
  // Timeline: Step, SceneFrame, SpriteFrame; and the back buffer.
  TClockState Clock;
  std::unique_ptr<QImage> Offscreen;

  bool shownOnce_ = false;
};

extern TfmKalvo* fmKalvo;

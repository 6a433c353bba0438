#pragma once
// The main window: the globe, its menus and hot zones, the play clock and
// the song player.
#include <QHash>
#include <QImage>
#include <QMainWindow>
#include <memory>

#include "animation/Clock.h"
#include "animation/Pictures.h"
#include "animation/SpriteCatalogue.h"
#include "platform/MediaPlayer.h"
#include "platform/Timer.h"
#include "shell/PatternSelection.h"

class QAction;
class TGlobeView;
class THotZone;

class TfmKalvo : public QMainWindow {
  Q_OBJECT
 public:
  explicit TfmKalvo(QWidget* parent = nullptr);
  ~TfmKalvo() override;

  // Event handlers. Each runs as one event; errors it raises go to the
  // default error handler.
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

  // Components.
  TPicture imgBack;
  TGlobeView* GlobeView = nullptr;
  THotZone* Image1 = nullptr;
  THotZone* Image2 = nullptr;
  TTimer* tmrPlay = nullptr;
  platform::TMediaPlayer mpKeloSong;
  QHash<QString, QAction*> MenuItems;  // every item of the menu tree by name
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

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void CreateComponents();
  void ConnectHandlers();
  void SetClientSize(int width, int height);
  void SelectPatternItem(TPattern pattern, QAction* item);
  void SelectSongItem(int song, QAction* item);
  void DrawStep();

  bool shownOnce_ = false;
};

extern TfmKalvo* fmKalvo;

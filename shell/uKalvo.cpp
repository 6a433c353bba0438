#include "shell/uKalvo.h"

#include <QAction>
#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>

#include "music/uSong.h"
#include "platform/Cursors.h"
#include "platform/ErrorHandler.h"
#include "platform/Fonts.h"
#include "platform/Placement.h"
#include "platform/ProgramFolder.h"
#include "platform/Random.h"
#include "shell/GlobeView.h"
#include "shell/HotZone.h"
#include "shell/MenuBuilder.h"
#include "windows/ABox.h"
#include "windows/uReadMe.h"

TfmKalvo* fmKalvo = nullptr;

namespace {

constexpr int kHandCursor = 11;
constexpr QSize kDesignedClientSize(820, 539);
const QRect kPlayZone(112, 288, 25, 26);
const QRect kStopZone(155, 289, 22, 26);

using Handler = void (TfmKalvo::*)();

struct TMenuHandler {
  const char* Item;
  Handler Click;
};

constexpr TMenuHandler kMenuHandlers[] = {
    {"miPlay", &TfmKalvo::miPlayClick},
    {"miStop", &TfmKalvo::miStopClick},
    {"miExit", &TfmKalvo::miExitClick},
    {"miCocktail", &TfmKalvo::miCocktailClick},
    {"miUnbelieve", &TfmKalvo::miUnbelieveClick},
    {"miHatuyuki", &TfmKalvo::miHatuyukiClick},
    {"miRegular", &TfmKalvo::miRegularClick},
    {"miTatumaki", &TfmKalvo::miTatumakiClick},
    {"miRnd", &TfmKalvo::miRndClick},
    {"miKeloSong1", &TfmKalvo::miKeloSong1Click},
    {"miKeloSong2", &TfmKalvo::miKeloSong2Click},
    {"N3", &TfmKalvo::N3Click},
    {"miReadMe", &TfmKalvo::miReadMeClick},
};

}  // namespace

TfmKalvo::TfmKalvo(QWidget* parent) : QMainWindow(parent) {
  CreateComponents();
  ConnectHandlers();
  FormCreate();
}

TfmKalvo::~TfmKalvo() = default;

// The window as designed, before its creation handler runs.
void TfmKalvo::CreateComponents() {
  setWindowTitle(QStringLiteral("ユキポム"));
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setFont(platform::ProportionalGothic());
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  MenuItems = BuildMenu(*menuBar(), kMainMenu1);
  miSnowType = MenuItems.value("miSnowType");
  miMusic = MenuItems.value("miMusic");
  miCocktail = MenuItems.value("miCocktail");
  miUnbelieve = MenuItems.value("miUnbelieve");
  miHatuyuki = MenuItems.value("miHatuyuki");
  miRegular = MenuItems.value("miRegular");
  miTatumaki = MenuItems.value("miTatumaki");
  miRnd = MenuItems.value("miRnd");
  miKeloSong1 = MenuItems.value("miKeloSong1");
  miKeloSong2 = MenuItems.value("miKeloSong2");
  miReadMe = MenuItems.value("miReadMe");
  // Shortcuts reach the window whatever menu is open or greyed.
  addActions(MenuItems.values());

  imgBack = LoadPicture(QStringLiteral("imgBack"));
  Sources.LoadAll();
  GlobeView = new TGlobeView(this, imgBack.Bitmap);
  setCentralWidget(GlobeView);
  SetClientSize(kDesignedClientSize.width(), kDesignedClientSize.height());
  Image1 = new THotZone(GlobeView, kPlayZone, kHandCursor);
  Image2 = new THotZone(GlobeView, kStopZone, kHandCursor);
  tmrPlay = new TTimer(this);
}

void TfmKalvo::ConnectHandlers() {
  const auto guarded = [this](Handler handler) {
    return [this, handler] { platform::Guarded([this, handler] { (this->*handler)(); }); };
  };
  for (const TMenuHandler& entry : kMenuHandlers) {
    connect(MenuItems.value(entry.Item), &QAction::triggered, this, guarded(entry.Click));
  }
  connect(Image1, &THotZone::clicked, this, guarded(&TfmKalvo::miPlayClick));
  connect(Image2, &THotZone::clicked, this, guarded(&TfmKalvo::miStopClick));
  tmrPlay->OnTimer = guarded(&TfmKalvo::tmrPlayTimer);
}

void TfmKalvo::SetClientSize(int width, int height) {
  GlobeView->setFixedSize(width, height);
}

void TfmKalvo::FormCreate() {
  platform::SetCursor(kHandCursor,
                      platform::LoadCursorResource(QStringLiteral(":/assets/CURSOR_1.cur")));
  Image1->RefreshCursor();
  Image2->RefreshCursor();
  miReadMe->setVisible(platform::FileExists(platform::ProgramFolder() + "ReadMe.txt"));
  Selection.RandomMode = false;
  SetClientSize(imgBack.Bitmap.width(), imgBack.Bitmap.height());
  tmrPlay->SetInterval(kTimerInterval);
  LoadSong(mpKeloSong, 1);
  const TPatternEntry& whiteXmas = PatternEntry(TPattern::Cocktail);
  Selection.CurrentPattern = whiteXmas.Table;
  Selection.TrackCount = whiteXmas.Count;
  Offscreen = std::make_unique<QImage>(imgBack.Bitmap.width(), imgBack.Bitmap.height(),
                                       QImage::Format_RGB32);
  Clock.SceneFrame = 1;
  BuildSpriteCatalogue(Catalogue, Sources, imgBack);
}

void TfmKalvo::FormClose() {
  // No tick may run once the back buffer is gone.
  tmrPlay->SetEnabled(false);
  Offscreen.reset();
}

void TfmKalvo::closeEvent(QCloseEvent* event) {
  FormClose();
  event->accept();
}

void TfmKalvo::showEvent(QShowEvent* event) {
  if (!shownOnce_) {
    shownOnce_ = true;
    platform::CentreOnScreen(*this);
  }
  QMainWindow::showEvent(event);
}

void TfmKalvo::StartClock() {
  Clock.Step = 1;
  tmrPlay->SetEnabled(true);
}

void TfmKalvo::StopClock() {
  tmrPlay->SetEnabled(false);
  GlobeView->Present(imgBack.Bitmap);
}

void TfmKalvo::tmrPlayTimer() {
  SongKeepAlive(mpKeloSong);
  switch (PhaseOf(Clock.Step)) {
    case TTickPhase::Restart:
      if (Selection.RandomMode) PickRandomPattern(Selection);
      Clock.Step = 1;
      break;
    case TTickPhase::Pause:
      Clock.Step += 1;
      break;
    case TTickPhase::Draw:
      DrawStep();
      break;
  }
  Clock.Step += 1;
}

void TfmKalvo::DrawStep() {
  const TScene scene{Selection.CurrentPattern, Selection.TrackCount, Catalogue, imgBack.Bitmap};
  ComposeStep(Clock, Clock.Step, scene, *Offscreen);
  GlobeView->Present(*Offscreen);
}

void TfmKalvo::miPlayClick() {
  miSnowType->setEnabled(false);
  miMusic->setEnabled(false);
  StartClock();
  StartSong(mpKeloSong);
}

void TfmKalvo::miStopClick() {
  StopClock();
  miSnowType->setEnabled(true);
  miMusic->setEnabled(true);
  StopSong(mpKeloSong);
}

void TfmKalvo::miExitClick() {
  close();
}

void TfmKalvo::SelectPatternItem(TPattern pattern, QAction* item) {
  SelectPattern(Selection, pattern);
  item->setChecked(true);
}

void TfmKalvo::miCocktailClick() {
  SelectPatternItem(TPattern::Cocktail, miCocktail);
}
void TfmKalvo::miUnbelieveClick() {
  SelectPatternItem(TPattern::Unbelieve, miUnbelieve);
}
void TfmKalvo::miHatuyukiClick() {
  SelectPatternItem(TPattern::Hatuyuki, miHatuyuki);
}
void TfmKalvo::miRegularClick() {
  SelectPatternItem(TPattern::Regular, miRegular);
}
void TfmKalvo::miTatumakiClick() {
  SelectPatternItem(TPattern::Tatumaki, miTatumaki);
}

void TfmKalvo::miRndClick() {
  platform::Randomize();
  PickRandomPattern(Selection);
  miRnd->setChecked(true);
}

void TfmKalvo::SelectSongItem(int song, QAction* item) {
  item->setChecked(true);
  SelectSong(mpKeloSong, song);
}

void TfmKalvo::miKeloSong1Click() {
  SelectSongItem(1, miKeloSong1);
}
void TfmKalvo::miKeloSong2Click() {
  SelectSongItem(2, miKeloSong2);
}

void TfmKalvo::N3Click() {
  if (AboutBox != nullptr) AboutBox->ShowModal();
}

void TfmKalvo::miReadMeClick() {
  if (fmReadMe != nullptr) fmReadMe->ShowModeless();
}

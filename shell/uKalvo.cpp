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

// Runs `command` on `window` as one event: what it raises goes to the
// default error handler.
std::function<void()> GuardedCommand(TfmKalvo* window, TMenuCommand command) {
  return [window, command] { platform::Guarded([window, command] { (window->*command)(); }); };
}

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

  CreateMenu();
  imgBack = LoadPicture(QStringLiteral("imgBack"));
  Sources.LoadAll();
  GlobeView = new TGlobeView(this, imgBack.Bitmap);
  setCentralWidget(GlobeView);
  SetClientSize(kDesignedClientSize.width(), kDesignedClientSize.height());
  Image1 = new THotZone(GlobeView, kPlayZone, kHandCursor);
  Image2 = new THotZone(GlobeView, kStopZone, kHandCursor);
  tmrPlay = new platform::TTimer(this);
}

// Keeps each item in its field and connects it to its command, row by row.
void TfmKalvo::CreateMenu() {
  const std::span<const TMenuItemDesign> design = MenuDesign();
  const std::vector<QAction*> items = BuildMenu(*menuBar(), design);
  for (std::size_t i = 0; i < design.size(); ++i) {
    if (design[i].Component != nullptr) this->*design[i].Component = items[i];
    if (design[i].Click != nullptr) {
      connect(items[i], &QAction::triggered, this, GuardedCommand(this, design[i].Click));
    }
  }
  // Shortcuts reach the window whatever menu is open or greyed.
  addActions(QList<QAction*>(items.begin(), items.end()));
}

void TfmKalvo::ConnectHandlers() {
  connect(GlobeView, &TGlobeView::presented, this, &TfmKalvo::presented);
  connect(Image1, &THotZone::clicked, this, GuardedCommand(this, &TfmKalvo::miPlayClick));
  connect(Image2, &THotZone::clicked, this, GuardedCommand(this, &TfmKalvo::miStopClick));
  tmrPlay->OnTimer = GuardedCommand(this, &TfmKalvo::tmrPlayTimer);
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

QAction* TfmKalvo::PatternItem(TPattern pattern) const {
  for (const TMenuItemDesign& item : MenuDesign()) {
    if (item.Pattern == pattern) return this->*item.Component;
  }
  return nullptr;  // never: every pattern has its item
}

void TfmKalvo::ChoosePattern(TPattern pattern) {
  SelectPattern(Selection, pattern);
  PatternItem(pattern)->setChecked(true);
}

void TfmKalvo::miCocktailClick() {
  ChoosePattern(TPattern::Cocktail);
}
void TfmKalvo::miUnbelieveClick() {
  ChoosePattern(TPattern::Unbelieve);
}
void TfmKalvo::miHatuyukiClick() {
  ChoosePattern(TPattern::Hatuyuki);
}
void TfmKalvo::miRegularClick() {
  ChoosePattern(TPattern::Regular);
}
void TfmKalvo::miTatumakiClick() {
  ChoosePattern(TPattern::Tatumaki);
}

void TfmKalvo::PickRandom(std::optional<std::uint32_t> seed) {
  if (seed) {
    platform::SetRandomSeed(*seed);
  } else {
    platform::Randomize();
  }
  PickRandomPattern(Selection);
  miRnd->setChecked(true);
}

void TfmKalvo::miRndClick() {
  PickRandom();
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

#pragma once
// The About window: the wreath and the credits, shown modally.
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);
  void FormCreate();
  void OKButtonClick();
  // Shows the window modally; the event loop keeps running meanwhile, so
  // timers behind it go on ticking. Returns the dialog's result.
  int ShowModal();

  QFrame* Panel1 = nullptr;
  QLabel* imgIcon1 = nullptr;
  QLabel* Version = nullptr;
  QPushButton* OKButton = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void BuildComponents();
  void PlaceVersion();
  bool placed_ = false;
};

extern TAboutBox* AboutBox;

#pragma once
// The About window: the wreath and the credits, shown modally.
#include <QDialog>

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);
  void FormCreate();
  void OKButtonClick();
};

extern TAboutBox* AboutBox;

#pragma once
// The read-me viewer: shows "ReadMe.txt" from the program folder, reloaded
// each time the window goes from hidden to shown.
#include <QWidget>

class TfmReadMe : public QWidget {
  Q_OBJECT
 public:
  explicit TfmReadMe(QWidget* parent = nullptr);
  void FormShow();

 protected:
  void showEvent(QShowEvent* event) override;
};

extern TfmReadMe* fmReadMe;

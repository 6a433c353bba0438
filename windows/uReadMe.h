#pragma once
// The read-me viewer: shows "ReadMe.txt" from the program folder, reloaded
// each time the window goes from hidden to shown.
#include <QString>
#include <QWidget>

class QPlainTextEdit;

class TfmReadMe : public QWidget {
  Q_OBJECT
 public:
  explicit TfmReadMe(QWidget* parent = nullptr);
  // Loads the file into memReadMe. Failures are reported through the default
  // error handler and leave the previous text in place.
  void FormShow();
  // Shows the window and brings it to the front. An already visible window
  // is only brought to the front: nothing is reloaded.
  void ShowModeless();

  QPlainTextEdit* memReadMe = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ShowText(const QString& text);
  QString shownText_;  // exactly what was last handed to memReadMe
  bool placed_ = false;
};

extern TfmReadMe* fmReadMe;

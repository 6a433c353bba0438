#pragma once
// A scratch program folder for song tests, and a recorder for the texts that
// would reach the default error handler.
#include <QStringList>
#include <QTemporaryDir>

#include "platform/ErrorHandler.h"

class TSongFolder {
 public:
  TSongFolder();
  ~TSongFolder();
  QString Path(const QString& name) const;  // a file in the folder
  QStringList Errors;                       // texts shown, oldest first

 private:
  QTemporaryDir dir_;
  platform::ErrorPresenter previous_;
};

#include "tests/music/SongFolder.h"

#include "platform/ProgramFolder.h"

TSongFolder::TSongFolder()
    : previous_(platform::SetErrorPresenter([this](const QString& text) { Errors << text; })) {
  platform::SetProgramFolderForTesting(dir_.path() + '/');
}

TSongFolder::~TSongFolder() {
  platform::SetProgramFolderForTesting(QString());
  platform::SetErrorPresenter(previous_);
}

QString TSongFolder::Path(const QString& name) const {
  return dir_.filePath(name);
}

#pragma once
// The folder the program reads its optional files from: the folder part of
// the executable's own path, with its trailing separator.
#include <QString>

namespace platform {

QString ProgramFolder();
// Tests point the program at a scratch folder; an empty string restores the
// executable's folder. Returns the folder set before (empty for none).
QString SetProgramFolderForTesting(const QString& folder);

// True only for an existing regular file: a folder of that name does not count.
bool FileExists(const QString& path);

}  // namespace platform

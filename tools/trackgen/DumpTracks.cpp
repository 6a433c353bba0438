// yukipom-dump-tracks DIR: writes each pattern table's bytes, exactly as they
// lie in memory, to DIR/<table>.bin, so the compiled data can be inspected.
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>

#include "animation/patterns/uCocktail.h"
#include "animation/patterns/uHatuyuki.h"
#include "animation/patterns/uRegular.h"
#include "animation/patterns/uTatumaki.h"
#include "animation/patterns/uUnbeliev.h"

namespace {

template <typename Table>
bool Dump(const QString& folder, const char* name, const Table& table) {
  QFile file(folder + "/" + name + ".bin");
  const auto bytes = qint64(sizeof(table));
  if (file.open(QIODevice::WriteOnly) &&
      file.write(reinterpret_cast<const char*>(table.data()), bytes) == bytes)
    return true;
  std::fprintf(stderr, "yukipom-dump-tracks: %s: %s\n", qPrintable(file.fileName()),
               qPrintable(file.errorString()));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: yukipom-dump-tracks DIR\n");
    return 2;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(folder)) {
    std::fprintf(stderr, "yukipom-dump-tracks: %s: cannot create the folder\n", argv[1]);
    return 1;
  }
  const bool ok = Dump(folder, "CocktailTracks", CocktailTracks) &&
                  Dump(folder, "UnbelieveTracks", UnbelieveTracks) &&
                  Dump(folder, "HatuyukiTracks", HatuyukiTracks) &&
                  Dump(folder, "RegularTracks", RegularTracks) &&
                  Dump(folder, "TatumakiTracks", TatumakiTracks);
  return ok ? 0 : 1;
}

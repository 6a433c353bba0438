#pragma once
// A picture component: one picture built into the program, loaded once from
// the resources and referred to (never copied) by whoever draws it.
#include <QImage>
#include <QList>
#include <QString>

struct TPicture {
  QString Name;         // component name, e.g. "imgGift1M7"
  QImage Bitmap;        // the pixels, held as QImage::Format_RGB32 for stamping
  int Depth = 0;        // bits per pixel as stored in the resource (8 or 24)
  QList<QRgb> Palette;  // the colour table it carries (8-bit: its own; after
                        // the palette step: the globe palette)
};

// Loads ":/assets/<name>.bmp". A missing resource is a build fault, so it
// aborts with a clear message rather than returning an empty picture.
TPicture LoadPicture(const QString& name);

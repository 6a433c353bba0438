#pragma once
// A fresh main window driven tick by tick, recording what reaches the window.
#include <QList>
#include <QObject>
#include <QTemporaryDir>
#include <memory>

#include "platform/Canvas.h"
#include "platform/ProgramFolder.h"
#include "shell/GlobeView.h"
#include "shell/uKalvo.h"

// The window reads its optional files from an empty folder, so the show is
// silent and no song or read-me on disk affects it.
inline const QTemporaryDir& EmptyProgramFolder() {
  static QTemporaryDir folder;
  platform::SetProgramFolderForTesting(folder.path());
  return folder;
}

struct TShowFixture {
  const QTemporaryDir& folder = EmptyProgramFolder();
  std::unique_ptr<TfmKalvo> window = std::make_unique<TfmKalvo>();
  int presentations = 0;
  const QImage* lastPresented = nullptr;

  TShowFixture() {
    QObject::connect(window->GlobeView, &TGlobeView::presented, [this](const QImage& frame) {
      ++presentations;
      lastPresented = &frame;
    });
  }

  // Runs `count` ticks as the timer would, without waiting for real time.
  void Tick(int count = 1) {
    for (int i = 0; i < count; ++i) window->tmrPlayTimer();
  }

  // The globe with the given sprites stamped on it, in order: each is a kind,
  // a frame and the hot point.
  struct Sprite {
    int kind;
    int frame;
    TPoint at;
  };
  QImage Expected(const QList<Sprite>& sprites) const {
    QImage image = window->imgBack.Bitmap.copy();
    TCanvas canvas(image);
    for (const Sprite& sprite : sprites) {
      const TSpriteRef& pair = window->Catalogue.At(sprite.frame, sprite.kind);
      const TPoint hot = window->Catalogue.HotSpotOf(sprite.kind);
      canvas.CopyMode = TCopyMode::cmSrcAnd;
      canvas.Draw(sprite.at.X - hot.X, sprite.at.Y - hot.Y, pair.Mask->Bitmap);
      canvas.CopyMode = TCopyMode::cmSrcPaint;
      canvas.Draw(sprite.at.X - hot.X, sprite.at.Y - hot.Y, pair.Image->Bitmap);
    }
    return image;
  }
};

#pragma once
// The media player: opens a WAV file by name, plays it in the background on
// an audio device, and answers the mode queries a media-control layer gives.
#include <QString>
#include <cstdint>

// The seven modes of a media-control device, in their fixed order.
enum class TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };

class TMediaPlayer {
 public:
  TMediaPlayer();
  ~TMediaPlayer();
  TMediaPlayer(const TMediaPlayer&) = delete;
  TMediaPlayer& operator=(const TMediaPlayer&) = delete;

  QString FileName;

  // Decodes FileName and opens an audio device; stands stopped at the start.
  // Raises EPlatformError with the device error's text when it cannot.
  void Open();
  void Close();     // does nothing when closed
  void Play();      // rewinds first when at the end; returns at once
  void Stop();      // keeps the position
  void Previous();  // seeks to the start
  TMPModes Mode() const;
  std::int64_t Position() const;
  std::int64_t Length() const;
};

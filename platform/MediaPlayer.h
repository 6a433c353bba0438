#pragma once
// The media player: opens a WAV file by name, plays it in the background on
// an audio device, and answers the mode queries a media-control layer gives.
#include <QString>
#include <cstdint>
#include <memory>

// The seven modes of a media-control device, in their fixed order.
enum class TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };

class TMediaPlayer {
 public:
  TMediaPlayer();
  ~TMediaPlayer();  // closes an open song
  TMediaPlayer(const TMediaPlayer&) = delete;
  TMediaPlayer& operator=(const TMediaPlayer&) = delete;

  QString FileName;

  // Decodes FileName and opens an audio device; stands stopped at the start.
  // Raises EPlatformError with the device error's text when it cannot, and
  // stays closed. Opening an open player closes its song first.
  void Open();
  void Close();     // does nothing when closed
  void Play();      // rewinds first when at the end; returns at once
  void Stop();      // keeps the position
  void Previous();  // seeks to the start
  // Play, Stop and Previous raise EPlatformError on a closed player.

  // Not ready when closed; a song that has played to its end is stopped.
  TMPModes Mode() const;
  // In milliseconds of the song; 0 when closed.
  std::int64_t Position() const;
  std::int64_t Length() const;

 private:
  struct TPlayback;
  TPlayback& OpenPlayback() const;
  std::unique_ptr<TPlayback> playback_;
};

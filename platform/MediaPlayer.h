#pragma once
// The media player: opens a WAV file by name, plays it in the background on
// an audio device, and answers the mode queries a media-control layer gives.
// Every call returns at once: devices are opened and closed by the audio
// worker (AudioWorker.h), never on the caller's thread.
#include <QString>
#include <cstdint>
#include <memory>

namespace platform {

class TVoice;

// The seven modes of a media-control device, in their fixed order.
enum class TMPModes { mpNotReady, mpStopped, mpPlaying, mpRecording, mpSeeking, mpPaused, mpOpen };

class TMediaPlayer {
 public:
  TMediaPlayer();
  ~TMediaPlayer();  // closes an open song, waiting a moment for its device
  TMediaPlayer(const TMediaPlayer&) = delete;
  TMediaPlayer& operator=(const TMediaPlayer&) = delete;

  QString FileName;

  // Probes FileName and readies its samples; stands stopped at the start.
  // Raises EPlatformError with the reason when the file cannot be played or
  // the machine has no sound output at all, and stays closed. Opening an
  // open player closes its song first.
  void Open();
  void Close();     // does nothing when closed
  void Play();      // rewinds first when at the end
  void Stop();      // keeps the position
  void Previous();  // seeks to the start
  // Play, Stop and Previous raise EPlatformError on a closed player. Play
  // without a device to be had, or a device lost while playing, leaves the
  // song stopped where it was.

  // Not ready when closed; a song that has played to its end is stopped.
  TMPModes Mode() const;
  // In milliseconds of the song; 0 when closed.
  std::int64_t Position() const;
  std::int64_t Length() const;

 private:
  TVoice& OpenVoice() const;
  std::shared_ptr<TVoice> voice_;
};

}  // namespace platform

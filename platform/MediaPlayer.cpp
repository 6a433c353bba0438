#include "platform/MediaPlayer.h"

#include "platform/AudioWorker.h"
#include "platform/MediaErrors.h"
#include "platform/PlatformError.h"

namespace platform {
namespace {

namespace errors = media_errors;

// How long Open waits to learn whether the machine has any sound output.
// A sound server that does not answer in time is taken to be busy, not absent.
constexpr auto kOutputQueryLimit = std::chrono::milliseconds(500);
// How long the end of the program waits for the device to close. A frozen
// sound server is abandoned; the process's end releases the stream.
constexpr auto kCloseAtExitLimit = std::chrono::milliseconds(1000);

std::int64_t Milliseconds(const TVoice& voice, std::int64_t frames) {
  return frames * 1000 / voice.Song().SampleRate;
}

}  // namespace

// The audio subsystem starts on the worker while the rest of the window is
// built, so that the first Open rarely has to wait for it.
TMediaPlayer::TMediaPlayer() {
  audio_worker::Hold();
}

TMediaPlayer::~TMediaPlayer() {
  if (const std::shared_ptr<TVoice> voice = voice_) {
    Close();
    audio_worker::WaitDetached(*voice, kCloseAtExitLimit);
  }
  audio_worker::Release();
}

void TMediaPlayer::Open() {
  Close();
  auto voice = std::make_shared<TVoice>(ReadWavFile(FileName));
  audio_worker::Attach(voice);
  if (!audio_worker::HasOutput(kOutputQueryLimit).value_or(true)) {
    audio_worker::Detach(voice);
    throw EPlatformError(errors::kNoAudioOutput);
  }
  voice_ = std::move(voice);
}

void TMediaPlayer::Close() {
  if (voice_) audio_worker::Detach(std::exchange(voice_, nullptr));
}

TVoice& TMediaPlayer::OpenVoice() const {
  if (!voice_) throw EPlatformError(errors::kNoDevice);
  return *voice_;
}

void TMediaPlayer::Play() {
  OpenVoice().Play();
  audio_worker::Wake();
}

void TMediaPlayer::Stop() {
  OpenVoice().Stop();
  audio_worker::Wake();
}

void TMediaPlayer::Previous() {
  OpenVoice().Rewind();
}

TMPModes TMediaPlayer::Mode() const {
  if (!voice_) return TMPModes::mpNotReady;
  return voice_->Playing() ? TMPModes::mpPlaying : TMPModes::mpStopped;
}

std::int64_t TMediaPlayer::Position() const {
  return voice_ ? Milliseconds(*voice_, voice_->Position()) : 0;
}

std::int64_t TMediaPlayer::Length() const {
  return voice_ ? Milliseconds(*voice_, voice_->Song().Frames()) : 0;
}

}  // namespace platform

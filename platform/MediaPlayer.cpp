// Placeholder until the audio back end lands: a player that never opens.
#include "platform/MediaPlayer.h"

TMediaPlayer::TMediaPlayer() = default;
TMediaPlayer::~TMediaPlayer() = default;
void TMediaPlayer::Open() {}
void TMediaPlayer::Close() {}
void TMediaPlayer::Play() {}
void TMediaPlayer::Stop() {}
void TMediaPlayer::Previous() {}
TMPModes TMediaPlayer::Mode() const { return TMPModes::mpNotReady; }
std::int64_t TMediaPlayer::Position() const { return 0; }
std::int64_t TMediaPlayer::Length() const { return 0; }

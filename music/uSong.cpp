// Placeholder until the song player lands.
#include "music/uSong.h"

void LoadSong(TMediaPlayer&, int) {}
void SelectSong(TMediaPlayer&, int) {}
void StartSong(TMediaPlayer&) {}
void StopSong(TMediaPlayer&) {}
void SongKeepAlive(TMediaPlayer&) {}

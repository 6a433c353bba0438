#pragma once
// The song that plays and loops alongside the show.
#include "platform/MediaPlayer.h"

// Points the player at song n (1 or 2) in the program folder and opens it if
// the file exists. A refused file goes to the default error handler and
// leaves the player closed; the caller carries on.
void LoadSong(platform::TMediaPlayer& player, int n);
// Closes the current song, then loads song n.
void SelectSong(platform::TMediaPlayer& player, int n);
// A stopped song is rewound and played; any other mode is left alone.
void StartSong(platform::TMediaPlayer& player);
// A playing song is stopped where it is.
void StopSong(platform::TMediaPlayer& player);
// A stopped song is played (rewinding first if it has ended).
void SongKeepAlive(platform::TMediaPlayer& player);

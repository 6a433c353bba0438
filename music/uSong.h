#pragma once
// The song that plays and loops alongside the show.
#include "platform/MediaPlayer.h"

// Points the player at song n (1 or 2) in the program folder and opens it if
// the file exists. A refused file goes to the default error handler and
// leaves the player closed; the caller carries on.
void LoadSong(TMediaPlayer& player, int n);
// Closes the current song, then loads song n.
void SelectSong(TMediaPlayer& player, int n);
// A stopped song is rewound and played; any other mode is left alone.
void StartSong(TMediaPlayer& player);
// A playing song is stopped where it is.
void StopSong(TMediaPlayer& player);
// A stopped song is played (rewinding first if it has ended).
void SongKeepAlive(TMediaPlayer& player);

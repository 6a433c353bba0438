#pragma once
// Song files made to cost the reader as much memory as they can: the worst
// cases found for the old reader and the largest files the new one admits.
// Their samples are zeros added sparsely, so writing them costs nothing.
#include <QString>
#include <cstdint>
#include <vector>

struct TCraftedSong {
  const char* Name;
  std::vector<std::uint8_t> FmtChunks;  // whole chunks, headers included
  std::int64_t DataBytes;
};

std::vector<TCraftedSong> CraftedSongs();
void WriteCraftedSong(const QString& path, const TCraftedSong& song);

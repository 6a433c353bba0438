#pragma once
// The fuzz targets hand the program's file readers a real file: each input's
// bytes are written to one file in a private temporary folder.
#include <QString>
#include <cstddef>
#include <cstdint>

// Writes `size` bytes to the file `name` in this process's temporary folder
// and returns the file's full path. Aborts when the file cannot be written,
// since every later result would be meaningless.
QString WriteInputFile(const std::uint8_t* data, std::size_t size, const QString& name);

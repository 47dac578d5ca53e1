// Fuzz input handed to code that reads files: written to a scratch file of this process.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <fstream>
#include <string>

// One scratch file per extension and process, removed when the process ends.
inline const std::string& FuzzScratchFile(const char* extension) {
  struct Scratch {
    std::string path;
    ~Scratch() { unlink(path.c_str()); }
  };
  static const Scratch scratch{"/tmp/kelvo-fuzz-" + std::to_string(getpid()) + extension};
  return scratch.path;
}

inline const std::string& WriteFuzzFile(const std::uint8_t* data, std::size_t size, const char* extension) {
  const std::string& path = FuzzScratchFile(extension);
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

// Extracting the package that a carrier holds into a file of its own.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "app/payload/ByteStream.h"

// The package stub that packages and carriers begin with, beside the program.
std::string StubPath();

// The carrier is copied in blocks of this size.
constexpr int32_t kCarrierBlockSize = 20480;

enum class TExtractResult {
    erDone,        // the file holds every byte from the package's start to the carrier's end
    erNotCreated,  // the file could not be created (a package of that name still running); nothing written
    erReadShort,   // the carrier could not be read to its end; the partial file is removed
    erWriteShort,  // the file took fewer bytes than written; the partial file is removed
    erStopped      // stop answered true before a block; the partial file is removed
};

// Creates `path` (replacing a file of that name) and copies the carrier from `start` to its end into it in
// kCarrierBlockSize blocks, with `pump` after each block and `stop` (when given) asked before each. Never leaves
// a partial file behind. For erNotCreated and erWriteShort, writeError (when given) receives the system's error
// code of the failed create or write.
TExtractResult ExtractCarrierPackage(TByteStream& carrier, int64_t start, const std::string& path,
                                     const std::function<void()>& pump, uint32_t* writeError = nullptr,
                                     const std::function<bool()>& stop = nullptr);

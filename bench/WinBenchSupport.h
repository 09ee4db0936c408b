// Clock and source files shared by the Windows benchmarks.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "app/payload/Win32FileStream.h"

// Seconds on the performance counter.
inline double Now() {
    LARGE_INTEGER counter;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// A new file of size pseudo-random bytes drawn from seed.
inline void WriteRandomFile(const std::string& path, int64_t size, uint32_t seed) {
    TWin32FileStream file(path, TFileMode::fmCreate);
    std::mt19937 generator(seed);
    std::vector<uint32_t> block(1 << 18);
    for (int64_t done = 0; done < size;) {
        for (uint32_t& word : block) word = generator();
        const int64_t count = std::min<int64_t>(size - done, static_cast<int64_t>(block.size() * 4));
        file.Write(block.data(), static_cast<int32_t>(count));
        done += count;
    }
}

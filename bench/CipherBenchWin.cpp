// Times the 32-bit build's chained Blowfish on 8192-byte buffers and, apart from it, the piece-by-piece
// file copy that a run does: bench_cipher_win [work folder for the copy, default: no copy] [MiB, default 64]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "app/payload/PieceCopy.h"
#include "app/payload/Win32FileStream.h"
#include "bench/WinBenchSupport.h"
#include "cipher/Blowfish.h"

namespace {

constexpr int kPieceSize = 8192;
constexpr int kCallsPerRound = 4000;
constexpr int kRounds = 7;
constexpr double kMiB = 1024.0 * 1024.0;

// Best time of one round of kCallsPerRound calls, in seconds.
double BestRound(const std::function<void()>& call) {
    double best = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        const double start = Now();
        for (int i = 0; i < kCallsPerRound; ++i) call();
        const double elapsed = Now() - start;
        if (elapsed < best) best = elapsed;
    }
    return best;
}

void TimeCipher() {
    std::mt19937 gen(42);
    uint8_t key[32];
    for (auto& b : key) b = static_cast<uint8_t>(gen());
    std::vector<uint8_t> buffer(kPieceSize);
    for (auto& b : buffer) b = static_cast<uint8_t>(gen());

    TQC_blowfish cipher(nullptr);
    cipher.SetKey(key, 256, nullptr);
    const double bytes = static_cast<double>(kPieceSize) * kCallsPerRound;
    const double encrypt = BestRound([&] { cipher.EncryptChained(buffer.data(), buffer.data(), kPieceSize); });
    const double decrypt = BestRound([&] { cipher.DecryptChained(buffer.data(), buffer.data(), kPieceSize); });
    std::printf("EncryptChained %8.1f MiB/s\n", bytes / encrypt / kMiB);
    std::printf("DecryptChained %8.1f MiB/s\n", bytes / decrypt / kMiB);
}

// The copy of a run outside the dialogs: one read and one write per piece, stop test and progress call,
// with each piece encrypted in place or left as it is.
void TimeCopy(const std::string& work, int64_t size, bool encrypt) {
    const std::string source = work + "\\copy-source.bin";
    const std::string target = work + "\\copy-target.bin";
    WriteRandomFile(source, size, 7);
    double first = 0;
    double best = 1e30;
    for (int round = 0; round < 3; ++round) {
        TWin32FileStream from(source, TFileMode::fmOpenRead);
        TWin32FileStream to(target, TFileMode::fmCreate);
        std::vector<uint8_t> buffer(kPieceSize);
        int64_t seen = 0;
        const TPieceHooks hooks{[] { return false; }, [&](int64_t done, int64_t) { seen = done; }};
        TQC_blowfish cipher(nullptr);
        const uint8_t key[16] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
        cipher.SetKey(key, 128, nullptr);
        std::function<void(uint8_t*, int32_t)> transform;
        if (encrypt) transform = [&cipher](uint8_t* piece, int32_t n) { cipher.EncryptChained(piece, piece, n); };
        const double start = Now();
        CopyPieces(from, to, size, buffer.data(), kPieceSize, transform, hooks);
        const double elapsed = Now() - start;
        if (round == 0) first = elapsed;
        if (elapsed < best) best = elapsed;
    }
    DeleteFileA(source.c_str());
    DeleteFileA(target.c_str());
    const double mib = static_cast<double>(size) / kMiB;
    std::printf("%s %8.1f MiB/s (first of 3: %.1f MiB/s)\n", encrypt ? "encrypting copy" : "piece copy     ",
                mib / best, mib / first);
}

}  // namespace

int main(int argc, char** argv) {
    TimeCipher();
    if (argc < 2) return 0;
    const int64_t size = (argc > 2 ? std::atoll(argv[2]) : 64) << 20;
    TimeCopy(argv[1], size, false);
    TimeCopy(argv[1], size, true);
    return 0;
}

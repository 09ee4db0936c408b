// Throughput of chained Blowfish on 8192-byte buffers, ours against OpenSSL's CBC.
#include <openssl/blowfish.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <random>
#include <vector>

#include "cipher/Blowfish.h"

namespace {

constexpr int kBufferSize = 8192;
constexpr int kCallsPerRound = 2000;
constexpr int kRounds = 7;

// Best time of one round of kCallsPerRound calls, in seconds.
double BestRound(const std::function<void()>& call) {
    double best = 1e30;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kCallsPerRound; ++i) call();
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (elapsed.count() < best) best = elapsed.count();
    }
    return best;
}

double MegabytesPerSecond(double seconds) {
    return static_cast<double>(kBufferSize) * kCallsPerRound / seconds / 1e6;
}

}  // namespace

int main() {
    std::mt19937 gen(42);
    uint8_t key[32];
    for (auto& b : key) b = static_cast<uint8_t>(gen());
    std::vector<uint8_t> buffer(kBufferSize);
    for (auto& b : buffer) b = static_cast<uint8_t>(gen());

    TQC_blowfish ours(nullptr);
    ours.SetKey(key, 256, nullptr);
    BF_KEY theirs;
    BF_set_key(&theirs, sizeof key, key);
    uint8_t ivec[8];
    std::memcpy(ivec, ours.InitVector(), sizeof ivec);

    // In place, as the programs call it.
    const double oursEncrypt = BestRound([&] { ours.EncryptChained(buffer.data(), buffer.data(), kBufferSize); });
    const double oursDecrypt = BestRound([&] { ours.DecryptChained(buffer.data(), buffer.data(), kBufferSize); });
    const double theirsEncrypt =
        BestRound([&] { BF_cbc_encrypt(buffer.data(), buffer.data(), kBufferSize, &theirs, ivec, BF_ENCRYPT); });
    const double theirsDecrypt =
        BestRound([&] { BF_cbc_encrypt(buffer.data(), buffer.data(), kBufferSize, &theirs, ivec, BF_DECRYPT); });

    std::printf("EncryptChained  ours %8.1f MB/s   OpenSSL %8.1f MB/s\n", MegabytesPerSecond(oursEncrypt),
                MegabytesPerSecond(theirsEncrypt));
    std::printf("DecryptChained  ours %8.1f MB/s   OpenSSL %8.1f MB/s\n", MegabytesPerSecond(oursDecrypt),
                MegabytesPerSecond(theirsDecrypt));
    std::printf("encrypt ratio (ours / OpenSSL): %.2f\n", theirsEncrypt / oursEncrypt);
    std::printf("decrypt ratio (ours / OpenSSL): %.2f\n", theirsDecrypt / oursDecrypt);
    return 0;
}

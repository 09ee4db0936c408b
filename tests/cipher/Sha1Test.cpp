// SHA-1 component: published digests, block boundaries, split feeding, bit count, not-ready errors.
#include "cipher/SHA1.h"

#include <gtest/gtest.h>

#include <functional>

#include "tests/cipher/CountingSha1.h"
#include "tests/cipher/TestBytes.h"
#include "toolkit/core/Exception.h"

namespace {

// Feeds the message in pieces of `piece` bytes (0: one call) and returns the digest in hex.
std::string DigestHex(const std::string& message, size_t piece = 0) {
    TQC_sha1 sha(nullptr);
    sha.Start();
    if (piece == 0) {
        sha.FeedText(message);
    } else {
        for (size_t at = 0; at < message.size(); at += piece) sha.FeedText(message.substr(at, piece));
    }
    uint8_t digest[TQC_sha1::DigestBytes];
    sha.Finish(digest);
    return ToHex(digest, sizeof digest);
}

std::string Alphabet(size_t size) {
    std::string text;
    for (size_t k = 0; k < size; ++k) text += static_cast<char>('a' + k % 26);
    return text;
}

void ExpectNotInitialized(const std::function<void()>& call) {
    try {
        call();
        ADD_FAILURE() << "no exception";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message(), "SHA1: Not initialized");
    }
}

}  // namespace

TEST(Sha1, PublishedVectorsGiveStandardDigests) {
    const struct {
        std::string message;
        const char* digest;
    } cases[] = {
        {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
        {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", "84983e441c3bd26ebaae4aa1f95129e5e54670f1"},
        {std::string(1000000, 'a'), "34aa973cd4c4daa4f61eeb2bdbad27316534016f"},
    };
    for (const auto& c : cases) EXPECT_EQ(DigestHex(c.message), c.digest) << c.message.size() << " bytes";
}

TEST(Sha1, PaddingAtBlockBoundariesGivesStandardDigests) {
    const struct {
        size_t size;
        const char* digest;
    } cases[] = {
        {55, "a617d006d1ca12671785098a19a87fe58443bde9"}, {56, "4ad5bb7ae3c4024768d364b77c52128ea3cffebe"},
        {63, "fc8a5ab77259625085ead3ec96515b3b8d933fad"}, {64, "93249d4c2f8903ebf41ac358473148ae6ddd7042"},
        {65, "cf2a63cc308225cf07b498d2309a01dd0df52f67"}, {119, "edd0f1133d0e4ca5f3e98bb7e0295f31d20d2cdb"},
        {120, "23a58eee587aa1f50d19a969ab36a3fe3e88c393"},
    };
    for (const auto& c : cases) EXPECT_EQ(DigestHex(Alphabet(c.size)), c.digest) << c.size << " bytes";
}

TEST(Sha1, SplitFeedingMatchesOneCall) {
    const std::string message = Alphabet(300);
    const std::string whole = DigestHex(message);
    for (size_t piece : {1, 3, 55, 63, 64, 65, 128}) EXPECT_EQ(DigestHex(message, piece), whole) << "pieces of " << piece;
}

TEST(Sha1, StartDiscardsEarlierMessageAndEmptyFeedsChangeNothing) {
    TQC_sha1 sha(nullptr);
    sha.Start();
    sha.FeedText("something to forget");
    sha.Start();
    sha.FeedText("");
    sha.Feed(nullptr, 0);
    sha.FeedText("abc");
    sha.Feed("xyz", -3);
    uint8_t digest[20];
    sha.Finish(digest);
    EXPECT_EQ(ToHex(digest, 20), "a9993e364706816aba3e25717850c26c9cd0d89d");
}

TEST(Sha1, FeedAndFinishRaiseWhenNotReady) {
    TQC_sha1 sha(nullptr);
    uint8_t digest[20] = {};
    ExpectNotInitialized([&] { sha.Feed("a", 1); });
    ExpectNotInitialized([&] { sha.FeedText(""); });
    ExpectNotInitialized([&] { sha.Finish(digest); });
    EXPECT_EQ(ToHex(digest, 20), std::string(40, '0')) << "a refused Finish wrote the digest";

    sha.Start();
    sha.FeedText("abc");
    sha.Finish(digest);
    EXPECT_FALSE(sha.IsReady());
    ExpectNotInitialized([&] { sha.Finish(digest); });

    sha.Start();
    sha.FeedText("abc");
    sha.Scrub();
    ExpectNotInitialized([&] { sha.FeedText("abc"); });
}

TEST(Sha1, BitCountCarriesIntoHighWordAndResets) {
    CountingSha1 sha;
    sha.Start();
    sha.SetBitCount(0, 0xFFFFFFF0u);
    sha.Feed("abcd", 4);  // 32 more bits
    EXPECT_EQ(sha.High(), 1u);
    EXPECT_EQ(sha.Low(), 0x10u);

    sha.SetBitCount(7, 0xFFFFFFF8u);
    sha.Feed("a", 1);
    EXPECT_EQ(sha.High(), 8u);
    EXPECT_EQ(sha.Low(), 0u);

    sha.Feed("a", -1);
    EXPECT_EQ(sha.High(), 8u) << "a negative size changed the count";
    EXPECT_EQ(sha.Low(), 0u);

    uint8_t digest[20];
    sha.Finish(digest);
    EXPECT_EQ(sha.High(), 0u);
    EXPECT_EQ(sha.Low(), 0u);
}

TEST(Sha1, PropertiesKeepConstructorValues) {
    TQC_sha1 sha(nullptr);
    sha.SetAlgorithm("MD5");
    sha.SetHashSize(128);
    EXPECT_EQ(sha.Algorithm(), "SHA1");
    EXPECT_EQ(sha.HashSize(), 160);
    EXPECT_FALSE(sha.IsReady());
    EXPECT_STREQ(sha.ClassName(), "TQC_sha1");
    EXPECT_TRUE(sha.Is<TQC_hash>());
}

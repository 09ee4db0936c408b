// Overwriting before erasure, and the piece copy under the readers and writers.
#include <gtest/gtest.h>

#include "app/payload/BufferedStream.h"
#include "app/payload/PieceCopy.h"
#include "app/payload/Wipe.h"
#include "tests/payload/PayloadTestSupport.h"

namespace {

// Remembers the largest size the stream reached.
class TGrowthRecorder : public TMemoryStream {
public:
    using TMemoryStream::TMemoryStream;
    int32_t Write(const void* buffer, int32_t count) override {
        const int32_t n = TMemoryStream::Write(buffer, count);
        peak = std::max(peak, Size());
        return n;
    }
    int64_t peak = 0;
};

TEST(WipeContents, EveryOldByteBecomesZeroCharInPlaceWithoutGrowingTheFile) {
    for (const size_t size : {0u, 1u, 400u, 1000u}) {
        TGrowthRecorder file(RandomBytes(size, 3));
        ASSERT_TRUE(WipeContents(file)) << size;
        EXPECT_EQ(file.peak, static_cast<int64_t>(size));
        EXPECT_EQ(file.Bytes(), std::vector<uint8_t>(size, '0')) << size;
    }
}

// A volume with no byte to spare still takes an overwrite in place; one that takes fewer bytes is reported.
TEST(WipeContents, FullVolumeTakesTheOverwriteInPlaceAndAShortWriteIsReported) {
    TMemoryStream file(RandomBytes(1000, 4));
    TFullVolume exact(file, 1000);
    EXPECT_TRUE(WipeContents(exact));
    TFullVolume scant(file, 900);
    EXPECT_FALSE(WipeContents(scant));
}

TEST(CopyPieces, StopHookIsAskedBeforeEveryPieceIncludingEmptySources) {
    int asked = 0;
    TPieceHooks stopAtSecond{[&] { return ++asked == 2; }, nullptr};
    TMemoryStream from(RandomBytes(3 * kPieceSize, 5));
    TMemoryStream to;
    EXPECT_EQ(CopyBytes(from, to, -1, kPieceSize, stopAtSecond), TPayloadResult::prStopped);
    EXPECT_EQ(to.Size(), kPieceSize);

    asked = 0;
    TMemoryStream empty;
    TPieceHooks stopFirst{[&] { return ++asked == 1; }, nullptr};
    EXPECT_EQ(CopyBytes(empty, to, 0, kPieceSize, stopFirst), TPayloadResult::prStopped);
}

// A read that fails is no end of the source: neither a copy to the end nor a counted one calls it done or
// the source short, also through a buffer.
TEST(CopyPieces, FailedReadIsReportedAsSuchWhateverTheCount) {
    for (const int64_t count : {int64_t{-1}, int64_t{3 * kPieceSize}}) {
        TMemoryStream source(RandomBytes(3 * kPieceSize, 8));
        TFailingRead failing(source, kPieceSize + 10);
        TBufferedStream buffered(failing, 1000);
        TMemoryStream to;
        EXPECT_EQ(CopyBytes(buffered, to, count, kPieceSize, {}), TPayloadResult::prReadFailed) << count;
    }
}

TEST(CopyPieces, CountedCopyReportsShortSourceAndFullDestination) {
    TMemoryStream shortSource(RandomBytes(100, 7));
    TMemoryStream to;
    EXPECT_EQ(CopyBytes(shortSource, to, 150, kPieceSize, {}), TPayloadResult::prTruncated);
    EXPECT_EQ(to.Size(), 100);
    TMemoryStream source(RandomBytes(100, 7));
    TMemoryStream cramped;
    TFullVolume full(cramped, 60);
    EXPECT_EQ(CopyBytes(source, full, 100, kPieceSize, {}), TPayloadResult::prWriteFailed);
}

TEST(ProgressPercent, RoundsHalvesToEvenAndIgnoresEmptyTotals) {
    EXPECT_EQ(ProgressPercent(1, 8), 12);  // 12.5
    EXPECT_EQ(ProgressPercent(3, 8), 38);  // 37.5
    EXPECT_EQ(ProgressPercent(INT64_MAX / 100, INT64_MAX / 100), 100);
    EXPECT_EQ(ProgressPercent(0, 0), 0);
}

}  // namespace

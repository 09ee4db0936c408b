// The dialogs' run loop on the host build, for instruction counts (valgrind --tool=callgrind) and syscall
// counts (strace -c): encrypts a file into a container and decrypts it again, through the payload writer
// and reader with per-piece hooks like the dialogs' (a stop test; a clock check that lets "messages" run
// once in 25 ms): bench_piece_loop <work folder> [MiB, default 64] [direct|buffered, default buffered]
#include <fcntl.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/payload/BufferedStream.h"
#include "app/payload/PayloadReader.h"
#include "app/payload/PayloadWriter.h"
#include "cipher/Blowfish.h"

namespace {

// A file through POSIX calls, as the Windows build's file stream goes through ReadFile and WriteFile.
class TPosixFileStream : public TByteStream {
public:
    TPosixFileStream(const std::string& path, bool create)
        : fd_(open(path.c_str(), create ? O_RDWR | O_CREAT | O_TRUNC : O_RDONLY, 0600)) {}
    ~TPosixFileStream() override {
        if (fd_ >= 0) close(fd_);
    }
    bool IsOpen() const { return fd_ >= 0; }
    int32_t Read(void* buffer, int32_t count) override {
        const ssize_t n = read(fd_, buffer, static_cast<size_t>(count));
        return n > 0 ? static_cast<int32_t>(n) : 0;
    }
    int32_t Write(const void* buffer, int32_t count) override {
        const ssize_t n = write(fd_, buffer, static_cast<size_t>(count));
        return n > 0 ? static_cast<int32_t>(n) : 0;
    }
    bool Seek(int64_t offset) override { return lseek(fd_, offset, SEEK_SET) == offset; }
    int64_t Position() const override { return lseek(fd_, 0, SEEK_CUR); }
    int64_t Size() const override {
        const off_t here = lseek(fd_, 0, SEEK_CUR);
        const off_t end = lseek(fd_, 0, SEEK_END);
        lseek(fd_, here, SEEK_SET);
        return end;
    }
    bool SetSize(int64_t size) override { return ftruncate(fd_, size) == 0; }

private:
    int fd_;
};

// A file opened for the loop, used straight or through the buffer.
class TLoopFile {
public:
    TLoopFile(const std::string& path, bool create, bool buffered)
        : file_(path, create), buffer_(file_), buffered_(buffered) {}
    TByteStream& Stream() { return buffered_ ? static_cast<TByteStream&>(buffer_) : file_; }
    bool Flush() { return buffer_.Flush(); }

private:
    TPosixFileStream file_;
    TBufferedStream buffer_;
    bool buffered_;
};

double Now() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Hooks shaped like the dialogs': a stop flag read before every piece and a clock read after it.
TPieceHooks LoopHooks(const bool& stop, long& turns) {
    TPieceHooks hooks;
    hooks.stopRequested = [&stop] { return stop; };
    hooks.pieceDone = [&turns](int64_t, int64_t) {
        static double last = 0;
        const double now = Now();
        if (now - last >= 0.025) {
            last = now;
            ++turns;
        }
    };
    return hooks;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_piece_loop <work folder> [MiB] [direct|buffered]\n");
        return 2;
    }
    const std::string work = argv[1];
    const int64_t size = (argc > 2 ? std::atoll(argv[2]) : 64) << 20;
    const bool buffered = argc <= 3 || std::strcmp(argv[3], "direct") != 0;
    const std::string sourcePath = work + "/loop-source.bin";
    const std::string containerPath = work + "/loop.qvl";
    const std::string outputPath = work + "/loop-out.bin";
    {
        TPosixFileStream source(sourcePath, true);
        std::mt19937 generator(1);
        std::vector<uint32_t> block(1 << 16);
        for (int64_t done = 0; done < size; done += static_cast<int64_t>(block.size() * 4)) {
            for (uint32_t& word : block) word = generator();
            source.Write(block.data(), static_cast<int32_t>(block.size() * 4));
        }
    }
    bool stop = false;
    long turns = 0;
    const TPieceHooks hooks = LoopHooks(stop, turns);
    TQC_blowfish cipher(nullptr);

    double start = Now();
    {
        TLoopFile source(sourcePath, false, buffered);
        TLoopFile container(containerPath, true, buffered);
        TPayloadWriter writer(cipher, container.Stream());
        const bool ok = writer.WriteHead("bench", nullptr, {{"loop-source.bin", std::to_string(size)}}) ==
                            TPayloadResult::prOk &&
                        writer.WriteContents(source.Stream(), hooks) == TPayloadResult::prOk && container.Flush();
        if (!ok) std::printf("encrypt failed\n");
    }
    const double encrypt = Now() - start;

    start = Now();
    {
        TLoopFile container(containerPath, false, buffered);
        TLoopFile output(outputPath, true, buffered);
        TPayloadReader reader(cipher, container.Stream(), 0);
        const bool ok = reader.CheckPassword("bench", nullptr) == TPayloadResult::prOk &&
                        reader.ReadHeader() == TPayloadResult::prOk &&
                        reader.Extract(0, output.Stream(), hooks) == TPayloadResult::prOk && output.Flush();
        if (!ok) std::printf("decrypt failed\n");
    }
    const double decrypt = Now() - start;
    const double mib = static_cast<double>(size) / (1 << 20);
    std::printf("%s: encrypt %.1f MiB/s, decrypt %.1f MiB/s, %ld message turns\n", buffered ? "buffered" : "direct",
                mib / encrypt, mib / decrypt, turns);
    unlink(sourcePath.c_str());
    unlink(containerPath.c_str());
    unlink(outputPath.c_str());
    return 0;
}

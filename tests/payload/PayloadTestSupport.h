// Helpers shared by the payload tests: byte makers, a stream that runs out of room, payload builders.
#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "app/payload/DecimalText.h"
#include "app/payload/KeyBlock.h"
#include "app/payload/MemoryStream.h"
#include "app/payload/PayloadWriter.h"
#include "cipher/Blowfish.h"
#include "tests/support/RandomBytes.h"

// Passes every call to another stream; the streams below change what they need.
class TPassThrough : public TByteStream {
public:
    explicit TPassThrough(TByteStream& inner) : inner_(inner) {}
    int32_t Read(void* buffer, int32_t count) override { return inner_.Read(buffer, count); }
    int32_t Write(const void* buffer, int32_t count) override { return inner_.Write(buffer, count); }
    bool Seek(int64_t offset) override { return inner_.Seek(offset); }
    int64_t Position() const override { return inner_.Position(); }
    int64_t Size() const override { return inner_.Size(); }
    bool SetSize(int64_t size) override { return inner_.SetSize(size); }

protected:
    TByteStream& inner_;
};

// Stores only the first `room` bytes written (a full volume); a write cut short leaves `error` as the
// stream's LastError.
class TFullVolume : public TPassThrough {
public:
    TFullVolume(TByteStream& inner, int64_t room, uint32_t error = 0) : TPassThrough(inner), room_(room), error_(error) {}
    int32_t Write(const void* buffer, int32_t count) override {
        const int32_t n = static_cast<int32_t>(std::max<int64_t>(0, std::min<int64_t>(count, room_)));
        room_ -= n;
        if (n < count) full_ = true;
        return inner_.Write(buffer, n);
    }
    uint32_t LastError() const override { return full_ ? error_ : 0; }

private:
    int64_t room_;
    uint32_t error_;
    bool full_ = false;
};

// Every read past the first `room` bytes read fails (a share that drops, a bad sector).
class TFailingRead : public TPassThrough {
public:
    TFailingRead(TByteStream& inner, int64_t room) : TPassThrough(inner), room_(room) {}
    int32_t Read(void* buffer, int32_t count) override {
        const int32_t n = static_cast<int32_t>(std::max<int64_t>(0, std::min<int64_t>(count, room_)));
        room_ -= n;
        if (n < count) failed_ = true;
        return n > 0 ? inner_.Read(buffer, n) : 0;
    }
    bool ReadFailed() const override { return failed_; }

private:
    int64_t room_;
    bool failed_ = false;
};

struct TPackedFile {
    std::string name;
    std::vector<uint8_t> contents;
};

// Writes a whole payload with the writer under test; returns the first result that is not prOk.
inline TPayloadResult WritePayload(const std::string& password, const std::vector<TPackedFile>& files,
                                   TByteStream& out) {
    TQC_blowfish cipher(nullptr);
    TPayloadWriter writer(cipher, out);
    std::vector<THeaderEntry> entries;
    for (const TPackedFile& f : files) entries.push_back({f.name, std::to_string(f.contents.size())});
    TPayloadResult result = writer.WriteHead(password, nullptr, entries);
    for (size_t i = 0; i < files.size() && result == TPayloadResult::prOk; ++i) {
        TMemoryStream source(files[i].contents);
        result = writer.WriteContents(source, {});
    }
    return result;
}

// Encrypts a payload from plain length field and header texts of the test's choosing, so that
// readers can be fed fields that no writer of ours produces. Contents follow unencrypted.
inline std::vector<uint8_t> CraftPayload(const std::string& password, const std::string& lengthField,
                                         const std::string& header, const std::vector<uint8_t>& contents = {}) {
    TQC_blowfish cipher(nullptr);
    TMemoryStream out;
    TKeyBlock check = KeyPayloadCipher(cipher, DeriveKeyBlock(password, nullptr));
    out.Write(check.data(), 32);
    std::vector<uint8_t> field(lengthField.begin(), lengthField.end());
    cipher.EncryptChained(field.data(), field.data(), static_cast<int32_t>(field.size()));
    out.Write(field.data(), static_cast<int32_t>(field.size()));
    std::vector<uint8_t> text(header.begin(), header.end());
    cipher.EncryptChained(text.data(), text.data(), static_cast<int32_t>(text.size()));
    out.Write(text.data(), static_cast<int32_t>(text.size()));
    out.Write(contents.data(), static_cast<int32_t>(contents.size()));
    return out.Bytes();
}

// A crafted payload whose length field gives the header's true length.
inline std::vector<uint8_t> CraftHeaderPayload(const std::string& password, const std::string& header,
                                               const std::vector<uint8_t>& contents = {}) {
    return CraftPayload(password, PadDecimal10(static_cast<int64_t>(header.size())), header, contents);
}

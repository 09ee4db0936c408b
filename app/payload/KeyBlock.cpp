// Key block derived from the password, and keying of the payload cipher.
#include "app/payload/KeyBlock.h"

#include <memory>

#include "cipher/SHA1.h"

TKeyBlock DeriveKeyBlock(const std::string& password, TComponent* owner) {
    TKeyBlock block;
    block.fill(0xFF);
    std::unique_ptr<TQC_sha1> hash(new TQC_sha1(owner));  // freed here; its owner forgets it then
    hash->Start();
    hash->FeedText(password);
    hash->Finish(block.data());
    return block;
}

TKeyBlock KeyPayloadCipher(TQC_blockcipher& cipher, const TKeyBlock& keyBlock) {
    const int32_t keyBits = cipher.MaxKeySize() >= 256 ? 256 : cipher.MaxKeySize();
    cipher.SetKey(keyBlock.data(), keyBits, nullptr);
    TKeyBlock check = keyBlock;
    cipher.EncryptChained(check.data(), check.data(), static_cast<int32_t>(check.size()));
    cipher.RestartChain();
    return check;
}

// A password held for one run, zeroed when it goes.
#pragma once

#include <string>
#include <utility>

#include "cipher/CryptBase.h"

class TSecretText {
public:
    explicit TSecretText(std::string text) : text_(std::move(text)) {}
    ~TSecretText() { WipeBytes(text_.data(), text_.size(), 0); }
    TSecretText(const TSecretText&) = delete;
    TSecretText& operator=(const TSecretText&) = delete;

    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

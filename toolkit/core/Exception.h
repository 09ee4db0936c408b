// The system's general exception type: an error carrying a message text.
#pragma once

#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(const std::string& message) : message_(message) {}
    const char* what() const noexcept override { return message_.c_str(); }
    std::string Message() const { return message_; }

private:
    std::string message_;
};

// The text of the exception being handled (call inside a catch block): what() of a std::exception, a fixed
// text for anything else.
inline std::string CurrentExceptionText() {
    try {
        throw;
    } catch (const std::exception& error) {
        return error.what();
    } catch (...) {
        return "Unexpected error.";
    }
}

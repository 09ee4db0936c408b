// The batch file that puts a rewritten package in place of the old one once the stub has ended.
#include "stub/SwapBatch.h"

namespace Stub {

namespace {

// The name between double quotes, as the command interpreter reads it from a batch file.
std::string Quoted(const std::string& name) {
    std::string quoted = "\"";
    for (const char c : name) {
        quoted += c;
        if (c == '%') quoted += '%';
    }
    return quoted + "\"";
}

}  // namespace

std::string SwapBatchText(const std::string& name) {
    const std::string oldPackage = Quoted(name);
    const std::string newPackage = Quoted("~" + name);
    const std::string lines[] = {
        "@echo off",
        "cd /d \"%~dp0\"",
        "set n=0",
        ":wait",
        "move /y " + newPackage + " " + oldPackage + " >nul 2>&1",
        "if not exist " + newPackage + " goto done",
        "set /a n+=1",
        "if %n% geq " + std::to_string(kSwapAttempts) + " goto done",
        "ping -n 2 127.0.0.1 >nul",
        "goto wait",
        ":done",
        "del \"%~f0\"",
        "exit",
    };
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

}  // namespace Stub

// The batch file that puts a rewritten package in place of the old one once the stub has ended.
#include "stub/SwapBatch.h"

#include <windows.h>

#include "stub/StubTexts.h"

namespace Stub {

std::string SwapBatchText(const std::string& name, int attempts) {
    const bool delayed = name.find('%') != std::string::npos;
    const auto value = [delayed](const char* variable) {
        const std::string mark = delayed ? "!" : "%";
        return "\"" + mark + variable + mark + "\"";
    };
    const std::string newPackage = value(kSwapNewVariable);
    const std::string oldPackage = value(kSwapOldVariable);
    // pushd reaches a folder on a share too; the batch's own name shows that it stands in its folder.
    const std::string lines[] = {
        "@echo off",
        "pushd \"%~dp0\"",
        "if not exist \"%~nx0\" exit",
        std::string("setlocal ") + (delayed ? "EnableDelayedExpansion" : "DisableDelayedExpansion"),
        "set n=0",
        ":wait",
        "move /y " + newPackage + " " + oldPackage + " >nul 2>&1 && if exist " + oldPackage + " if not exist " +
            newPackage + " goto done",
        "set /a n+=1",
        "if %n% geq " + std::to_string(attempts) + " goto failed",
        "ping -n 2 127.0.0.1 >nul",
        "goto wait",
        ":failed",
        "del " + newPackage + " >nul 2>&1",
        std::string("start \"\" ") + oldPackage + " " + kSwapFailedSwitch,
        ":done",
        "endlocal",
        "popd",
        "del \"%~f0\"",
        "exit",
    };
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

bool SetSwapNames(const std::string& name) {
    return SetEnvironmentVariableA(kSwapNewVariable, ("~" + name).c_str()) != FALSE &&
           SetEnvironmentVariableA(kSwapOldVariable, name.c_str()) != FALSE;
}

}  // namespace Stub

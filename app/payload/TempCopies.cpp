// The files that this run of a program wrote into the temp folder, remembered by identity.
#include "app/payload/TempCopies.h"

#include <windows.h>

#include <algorithm>

#include "app/payload/FileSystem.h"

namespace {

// The same file, not one made since under a file index that the system gave out again (some reuse a
// deleted file's index at once); its contents may have changed.
bool IsStill(const std::string& path, const TFileIdentity& identity) {
    TFileIdentity now;
    return ReadFileIdentity(path, now) == TIdentityRead::irFound && now.IsSameFile(identity) &&
           now.created == identity.created;
}

}  // namespace

void TTempCopies::Remember(const std::string& path) {
    Forget(path);
    TFileIdentity identity;
    if (ReadFileIdentity(path, identity) == TIdentityRead::irFound) copies_.push_back({path, identity});
}

bool TTempCopies::Wrote(const std::string& path) const {
    return std::any_of(copies_.begin(), copies_.end(), [&path](const TCopy& copy) {
        return SameFile(copy.path, path) && IsStill(path, copy.identity);
    });
}

void TTempCopies::Forget(const std::string& path) {
    TFileIdentity identity;
    const bool found = ReadFileIdentity(path, identity) == TIdentityRead::irFound;
    copies_.erase(std::remove_if(copies_.begin(), copies_.end(),
                                 [&](const TCopy& copy) {
                                     return SameFile(copy.path, path) || (found && identity.IsSameFile(copy.identity));
                                 }),
                  copies_.end());
}

std::vector<std::string> TTempCopies::EraseAll(TEraseHost& host) {
    constexpr int kRounds = 10;     // a viewer that is closing lets go within about a second
    constexpr DWORD kPauseMs = 100;
    std::vector<std::string> left;
    for (const TCopy& copy : copies_) left.push_back(copy.path);
    copies_.clear();
    for (int round = 0; round < kRounds && !left.empty(); ++round) {
        if (round > 0) {
            host.ProcessMessages();
            Sleep(kPauseMs);
        }
        for (const std::string& path : left) EraseFile(path, host);
        left.erase(std::remove_if(left.begin(), left.end(), [](const std::string& path) { return !IsFile(path); }),
                   left.end());
    }
    return left;
}

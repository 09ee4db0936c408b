// The files that this run of a program wrote into the temp folder, remembered by identity.
#pragma once

#include <string>
#include <vector>

#include "app/payload/EraseFile.h"
#include "app/payload/FileIdentity.h"

// A file counts as this run's only while the name still reaches the file that was written: a file that
// another program put there later under that name is not ours to overwrite. Closing erases by name all the
// same, since an editor's save puts a new file of the same plaintext under it.
class TTempCopies {
public:
    // Called after the file at path has been written and closed.
    void Remember(const std::string& path);
    // The file at path is one this run wrote (same name, same file).
    bool Wrote(const std::string& path) const;
    // What path is now (another name of a remembered file included) is no temp copy any more.
    void Forget(const std::string& path);
    // Erases every remembered copy by the name it was written under, whatever became of the file since,
    // trying a copy in use again a few times. Returns the copies that stay (still in use) and forgets all.
    std::vector<std::string> EraseAll(TEraseHost& host);

private:
    struct TCopy {
        std::string path;
        TFileIdentity identity;
    };
    std::vector<TCopy> copies_;
};

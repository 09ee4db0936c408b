// Whether a file about to be written is one of the files it is made from, by name or by identity.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// What a file is on its volume, whatever name reaches it: every hard link, symbolic link, drive letter
// or share name of one file gives the same identity.
struct TFileIdentity {
    uint32_t volumeSerial = 0;
    uint64_t fileIndex = 0;
    // Seen alike through every name of the file; they settle a serial that differs (below).
    uint64_t size = 0;
    uint64_t created = 0;
    uint64_t written = 0;

    // The same index on the same volume. A serial that differs while index, size and both times agree
    // is taken as the same file too: some systems (Wine among them) report the serial of the drive a
    // name lies under, so two names of one file can differ there; refusing is the safe side.
    bool IsSameFile(const TFileIdentity& other) const {
        if (fileIndex != other.fileIndex) return false;
        return volumeSerial == other.volumeSerial ||
               (size == other.size && created == other.created && written == other.written);
    }
};

enum class TIdentityRead {
    irFound,      // identity holds the file's identity
    irMissing,    // nothing of that name (or its folder) exists
    irNotAFile,   // the name opens a device, not a file on a volume
    irUnreadable  // something is there, but it cannot be opened even to ask, or will not say
};

// Opens the name without reading or writing it, so a file that another program holds open without
// sharing can be asked too.
TIdentityRead ReadFileIdentity(const std::string& path, TFileIdentity& identity);

enum class TAliasResult {
    arNone,    // writing the target touches none of the inputs
    arSame,    // the target is input `input` (same name, or another name of the same file)
    arUnknown  // cannot tell: `path` (an input or the target) could not be identified; refuse to write
};

struct TAlias {
    TAliasResult result = TAliasResult::arNone;
    size_t input = 0;  // the input concerned; inputs.size() when it is the target that could not be identified
    std::string path;  // that input's path, or the target's; empty for arNone
};

// Decides, before target is created, emptied or appended to, whether that would touch one of inputs.
// Names are compared first (SameFile); then, when the target exists, the identity of the target
// against that of every input. A target that does not exist, or that is a device, aliases nothing;
// an input that does not exist cannot be the target. Looks at the inputs in order and reports the
// first that is the target or cannot be identified.
TAlias FindAlias(const std::string& target, const std::vector<std::string>& inputs);

// Files dropped on the package window, and its closing: the package released and the temp copies erased.
#include "stub/Unit1.h"

#include <shellapi.h>

#include "app/payload/FileIdentity.h"
#include "app/payload/FileSystem.h"
#include "app/payload/Header.h"
#include "app/payload/PathText.h"
#include "toolkit/system/DropFiles.h"

namespace Stub {

namespace {
constexpr size_t kDropPathLimit = 256;  // the longest dropped path taken; a longer one is skipped
}

void TForm1::WMDropFiles(TMessage& message) {
    TDroppedFiles drop(reinterpret_cast<HDROP>(message.WParam));
    const int count = drop.Count();
    for (int i = 0; i < count; ++i) {
        const std::optional<std::string> path = drop.Path(i, kDropPathLimit);
        if (!path || !IsFile(*path)) continue;
        int64_t size = -1;
        {
            TWin32FileStream file(*path, TFileMode::fmOpenRead);
            if (file.IsOpen()) size = file.Size();
        }
        if (size < 0) continue;  // a file that cannot be read is not listed
        const std::string name = BareFileName(*path);
        ListView1->Add(TListRow{name, {std::to_string(size)}, -1, kRowImage});
        ProcessMessages();
        const std::string copy = TempDir + name;
        if (FindAlias(copy, {*path}).result != TAliasResult::arNone) {
            droppedInTemp_.push_back(*path);  // the user's own file (or one that cannot be told apart): no copy, never erased
        } else if (!UserFileInTemp(name)) {
            CopyFileA(path->c_str(), copy.c_str(), FALSE);
        }
    }
    UpdateTotals();
    message.Result = 0;
}

void TForm1::FormClose(TComponent*, TCloseAction& action) {
    if (busy_) {
        action = caNone;
        return;
    }
    reader_.reset();  // scrubs the cipher
    package_.reset();
    // Only names that stay inside the temp folder; never a user's file dropped from it, nor the package itself
    // when it lies there under the name of one of its files.
    for (int row = 0; row < ListView1->Count(); ++row) {
        const std::string name = ListView1->Row(row).Caption;
        const std::string copy = TempDir + name;
        if (IsSafeEntryName(name) && !UserFileInTemp(name) && IsFile(copy) &&
            FindAlias(copy, {packagePath_}).result == TAliasResult::arNone) {
            EraseFile(copy, *this);
        }
    }
    if (HandleAllocated()) DragAcceptFiles(Handle(), FALSE);
}

}  // namespace Stub

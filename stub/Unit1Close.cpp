// Files dropped on the package window, and its closing: the package released and this run's temp copies erased.
#include "stub/Unit1.h"

#include <shellapi.h>

#include "app/payload/FileIdentity.h"
#include "app/payload/FileSystem.h"
#include "app/payload/PathText.h"
#include "app/shared/MessageBoxes.h"
#include "stub/StubTexts.h"
#include "toolkit/system/DropFiles.h"

namespace Stub {

void TForm1::WMDropFiles(TMessage& message) {
    TDroppedFiles drop(reinterpret_cast<HDROP>(message.WParam));
    message.Result = 0;
    if (!PackageOpen()) return;  // closing: a copy made now would never be erased
    const int count = drop.Count();
    for (int i = 0; i < count; ++i) {
        const std::optional<std::string> path = drop.Path(i);
        if (!path || !IsFile(*path)) continue;
        int64_t size = 0;
        if (!MeasureByOpening(*path, size)) continue;  // a file that cannot be read is not listed
        const std::string name = BareFileName(*path);
        ListView1->Add(TListRow{name, {std::to_string(size)}, -1, kRowImage});
        ProcessMessages();
        if (TempDir.empty()) continue;  // listed, but no copy goes to the working folder in place of the temp folder
        const std::string copy = TempDir + name;
        if (FindAlias(copy, {*path}).result != TAliasResult::arNone) {
            droppedInTemp_.push_back(*path);  // the user's own file (or one that cannot be told apart): no copy, never erased
        } else if (!UserFileInTemp(name)) {
            // A file there that this run did not write stays; the copy replaces only one of this run's.
            if (CopyFileA(path->c_str(), copy.c_str(), copies_.Wrote(copy) ? FALSE : TRUE)) copies_.Remember(copy);
        }
    }
    UpdateTotals();
}

void TForm1::FormClose(TComponent*, TCloseAction& action) {
    if (busy_) {
        action = caNone;
        return;
    }
    ReleasePackage();
}

void TForm1::ReleasePackage() {
    if (HandleAllocated()) DragAcceptFiles(Handle(), FALSE);
    reader_.reset();  // scrubs the cipher
    package_.reset();
    // Only what this run wrote into the temp folder, by the names it wrote.
    const std::vector<std::string> left = copies_.EraseAll(*this);
    if (!left.empty()) ShowDialogMessage(*this, CopiesLeftText(left), kProductCaption, MB_OK | MB_ICONWARNING);
}

}  // namespace Stub

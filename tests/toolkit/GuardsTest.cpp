// Guards of Win32 handles: what counts as empty, moves that free once, COM references and disabled windows.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "tests/support/ScratchFolder.h"
#include "tests/support/Harness.h"
#include "toolkit/system/WinGuards.h"

namespace {

// Opens the file without sharing: fails while another handle holds it.
TKernelHandle OpenAlone(const std::string& path) {
    return TKernelHandle(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
}

// An interface that counts its references.
class TCounted : public IUnknown {
public:
    ULONG references = 1;
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
};

}  // namespace

TEST(Guards, FailedOpenAndFindAreEmptyAndAHeldFileIsClosedExactlyOnceAfterMoves) {
    EXPECT_FALSE(TKernelHandle(INVALID_HANDLE_VALUE));
    EXPECT_FALSE(TKernelHandle(nullptr));
    WIN32_FIND_DATAA entry{};
    EXPECT_FALSE(TFindHandle(FindFirstFileA("Z:\\no\\such\\folder\\*", &entry)));

    TScratchFolder scratch("qvl_guards_");
    const std::string path = scratch.File("held.bin", 4);
    TKernelHandle first = OpenAlone(path);
    ASSERT_TRUE(first);
    EXPECT_FALSE(OpenAlone(path)) << "the file is not held";
    TKernelHandle second(std::move(first));
    EXPECT_FALSE(first);
    TKernelHandle third;
    third = std::move(second);
    EXPECT_FALSE(second);
    EXPECT_FALSE(OpenAlone(path)) << "a move closed the file early";
    third.Reset();
    EXPECT_TRUE(OpenAlone(path)) << "the file stayed open";
}

TEST(Guards, ComReferenceIsTakenOnceByShareAndGivenBackOnceWhateverItWentThrough) {
    TCounted object;
    {
        TComRef<TCounted> held;
        held.Share(&object);
        EXPECT_EQ(object.references, 2u);
        TComRef<TCounted> moved(std::move(held));
        EXPECT_FALSE(held);
        TComRef<TCounted> assigned;
        assigned = std::move(moved);
        EXPECT_EQ(object.references, 2u);
        TComRef<TCounted> other;
        other.Share(&object);
        EXPECT_EQ(object.references, 3u);
        *other.Out() = nullptr;  // an interface-returning call releases what was held first
        EXPECT_EQ(object.references, 2u);
    }
    EXPECT_EQ(object.references, 1u);
}

TEST(Guards, DisabledWindowsAreEnabledAgainOnceExceptThoseDisabledBeforeOrGone) {
    harness::TestApplication();
    auto windowOf = [](const char* caption) {
        return CreateWindowExA(0, "STATIC", caption, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    };
    HWND plain = windowOf("plain");
    HWND alreadyOff = windowOf("off");
    HWND gone = windowOf("gone");
    EnableWindow(alreadyOff, FALSE);
    {
        TDisabledWindows disabled;
        for (HWND w : {plain, alreadyOff, gone}) disabled.Disable(w);
        EXPECT_FALSE(IsWindowEnabled(plain));
        DestroyWindow(gone);
        TDisabledWindows moved(std::move(disabled));
    }
    EXPECT_TRUE(IsWindowEnabled(plain));
    EXPECT_FALSE(IsWindowEnabled(alreadyOff)) << "a window disabled by someone else was enabled";
    DestroyWindow(plain);
    DestroyWindow(alreadyOff);
}

// The SDK test program. Besides the tests it has two child modes, in which a
// test starts it again as a second process that wants the same frame:
//   --try-open <frame>   exits with OpenDevice's result
//   --hold-open <frame>  opens the frame (exit 3 if it cannot) and waits to be
//                        killed, a minute at most
#include <windows.h>

#include <gtest/gtest.h>

#include <shellapi.h>
#include <string>

#include "device/DeviceLibrary.h"

namespace {

int ChildMode(const std::wstring& mode, std::wstring path) {
    ZR_DeviceManager manager;
    const int opened = manager.OpenDevice(&path[0]);
    if (mode == L"--try-open") return opened;
    if (!opened) return 3;
    Sleep(60000);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    int count = 0;
    wchar_t** args = CommandLineToArgvW(GetCommandLineW(), &count);
    if (args != nullptr && count == 3) {
        const std::wstring mode = args[1];
        if (mode == L"--try-open" || mode == L"--hold-open") return ChildMode(mode, args[2]);
    }
    if (args != nullptr) LocalFree(args);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

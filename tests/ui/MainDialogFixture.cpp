#include "tests/ui/MainDialogFixture.h"

#include <windows.h>

#include <fstream>
#include <sstream>

namespace {
std::wstring UniqueTempFolder() {
    wchar_t temp[MAX_PATH];
    ::GetTempPathW(MAX_PATH, temp);
    static int counter = 0;
    std::wstring folder = std::wstring(temp) + L"zrapp-ui-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                          std::to_wstring(++counter);
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

void RemoveFolder(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name != L"." && name != L"..") ::DeleteFileW((folder + L"\\" + name).c_str());
        } while (::FindNextFileW(search, &found));
        ::FindClose(search);
    }
    ::RemoveDirectoryW(folder.c_str());
}
}  // namespace

std::string Narrow(const std::wstring& text) { return vframe::Utf8(text); }

void MainDialogTest::SetUp() {
    folder = UniqueTempFolder();
    logPath = folder + L"\\calls.log";
    ::SetEnvironmentVariableW(L"ZR_FRAMES_DIR", folder.c_str());
    ::SetEnvironmentVariableW(L"ZR_CALL_LOG", logPath.c_str());
    hook = std::make_unique<ScopedMessageBoxHook>([this](const MessageBoxRequest& request) {
        boxes.push_back(request);
        return IDOK;
    });
    app = std::make_unique<CWinApp>();
}

void MainDialogTest::TearDown() {
    Close();
    app.reset();
    hook.reset();
    ::SetEnvironmentVariableW(L"ZR_CALL_LOG", nullptr);
    ::SetEnvironmentVariableW(L"ZR_FRAMES_DIR", nullptr);
    RemoveFolder(folder);
}

std::wstring MainDialogTest::AddFrame(const std::wstring& name, const vframe::FrameState& state) {
    std::wstring path = folder + L"\\" + name;
    EXPECT_TRUE(vframe::WriteFrameFile(path, state));
    return path;
}

bool MainDialogTest::Open(const std::wstring& commandLine) {
    commandLineStorage = commandLine;
    app->m_lpCmdLine = &commandLineStorage[0];
    dlg = std::make_unique<CZRAppDlg>();
    app->m_pMainWnd = dlg.get();
    bool created = dlg->Create() != FALSE;
    if (created) ::ShowWindow(dlg->m_hWnd, SW_SHOW);
    return created;
}

void MainDialogTest::Close() {
    if (dlg && dlg->m_hWnd) ::DestroyWindow(dlg->m_hWnd);
    if (app) app->m_pMainWnd = nullptr;
    dlg.reset();
}

std::vector<std::string> MainDialogTest::CallLog() const {
    std::ifstream in(Narrow(logPath));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> MainDialogTest::Calls(const std::string& name) const {
    std::vector<std::string> matching;
    for (const std::string& line : CallLog()) {
        if (line.compare(0, name.size(), name) == 0 && (line.size() == name.size() || line[name.size()] == ' ')) {
            matching.push_back(line);
        }
    }
    return matching;
}

std::wstring MainDialogTest::Text(int id) const { return CWnd(Control(id)).GetWindowText(); }

void MainDialogTest::PressKey(HWND focus, WPARAM key) {
    ::SetFocus(focus);
    MSG msg = {focus, WM_KEYDOWN, key, 1, 0, {0, 0}};
    if (!::IsDialogMessageW(dlg->m_hWnd, &msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    PumpMessages();
}

void MainDialogTest::PumpMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

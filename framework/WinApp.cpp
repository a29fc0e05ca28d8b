#include "framework/WinApp.h"

#include <commctrl.h>

#include <string>

namespace {
CWinApp* g_pApp = nullptr;

std::wstring ExecutableBaseName() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = ::GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::wstring::size_type slash = path.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? path : path.substr(slash + 1);
    std::wstring::size_type dot = name.rfind(L'.');
    return dot == std::wstring::npos ? name : name.substr(0, dot);
}
}  // namespace

CWinApp::CWinApp(const wchar_t* lpszAppName) : m_pszAppName(lpszAppName) { g_pApp = this; }

CWinApp::~CWinApp() {
    if (g_pApp == this) g_pApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

void CWinApp::SetRegistryKey(const wchar_t* lpszRegistryKey) { m_pszRegistryKey = lpszRegistryKey; }

CWinApp* AfxGetApp() { return g_pApp; }

const wchar_t* AfxGetAppName() {
    if (g_pApp && g_pApp->m_pszAppName) return g_pApp->m_pszAppName;
    static const std::wstring name = ExecutableBaseName();
    return name.c_str();
}

HINSTANCE AfxGetResourceHandle() { return ::GetModuleHandleW(nullptr); }

const wchar_t* CommandLineAfterProgramName(const wchar_t* p) {
    // The same walk as the C runtime's: a quoted program name may hold blanks.
    bool inQuotes = false;
    while (*p > L' ' || (*p != L'\0' && inQuotes)) {
        if (*p == L'"') inQuotes = !inQuotes;
        ++p;
    }
    while (*p != L'\0' && *p <= L' ') ++p;
    return p;
}

int AfxWinMain(HINSTANCE hInstance) {
    CWinApp* app = AfxGetApp();
    if (!app) return 1;

    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    app->m_hInstance = hInstance;
    // The process's command line lives as long as the process.
    app->m_lpCmdLine = const_cast<wchar_t*>(CommandLineAfterProgramName(::GetCommandLineW()));
    if (!app->m_pszAppName) app->m_pszAppName = AfxGetAppName();

    if (!app->InitInstance()) return 0;
    // A program that keeps running after InitInstance would loop here; ours
    // never does, so there is nothing more to run.
    return 0;
}

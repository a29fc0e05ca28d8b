// The application object: one per program, constructed statically; the
// framework's entry point finds it and calls InitInstance.
#pragma once

#include <windows.h>

class CWnd;

class CWinApp {
public:
    // Without a name the application is called after its executable.
    explicit CWinApp(const wchar_t* lpszAppName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // TRUE would start a message loop of the application's own; a dialog
    // program returns FALSE once its dialog has ended, and the process exits.
    virtual BOOL InitInstance();

    // Fixes where framework profile settings would be kept; nothing more.
    void SetRegistryKey(const wchar_t* lpszRegistryKey);

    HINSTANCE m_hInstance = nullptr;
    // The command line after the program name and the blanks behind it,
    // verbatim (quotes kept). Empty, never null, once the program runs.
    wchar_t* m_lpCmdLine = nullptr;
    const wchar_t* m_pszAppName = nullptr;
    const wchar_t* m_pszRegistryKey = nullptr;
    CWnd* m_pMainWnd = nullptr;
};

CWinApp* AfxGetApp();
// The application's name: the one it was given, else the executable's file
// name without extension. The default caption of every message box.
const wchar_t* AfxGetAppName();
// The module whose resources the program's dialogs, strings and icons come from.
HINSTANCE AfxGetResourceHandle();

// What the system's start-up code hands to WinMain as its command line:
// everything after the program name (which may be quoted) and the blanks
// that follow it.
const wchar_t* CommandLineAfterProgramName(const wchar_t* commandLine);

// Runs the application object; called from the program's wWinMain.
int AfxWinMain(HINSTANCE hInstance);

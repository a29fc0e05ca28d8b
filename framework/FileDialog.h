// The common Open and Save As dialogs. A test answers them through
// ScopedFileDialogHook (UiHooks.h).
#pragma once

#include <windows.h>

#include <commdlg.h>

#include <string>

class CWnd;

class CFileDialog {
public:
    // lpszFilter uses '|' between its parts, e.g. "Text (*.txt)|*.txt||".
    CFileDialog(BOOL bOpenFileDialog, const wchar_t* lpszDefExt = nullptr, const wchar_t* lpszFileName = nullptr,
                DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, const wchar_t* lpszFilter = nullptr,
                CWnd* pParentWnd = nullptr, DWORD dwSize = 0, BOOL bVistaStyle = TRUE);

    // IDOK when the person chose a file, IDCANCEL otherwise.
    INT_PTR DoModal();
    // The full path chosen, with the default extension when none was typed.
    std::wstring GetPathName() const { return m_pathName; }

private:
    bool m_bOpen;
    std::wstring m_defExt;
    std::wstring m_fileName;
    DWORD m_flags;
    std::wstring m_filter;
    CWnd* m_pParentWnd;
    std::wstring m_pathName;
};

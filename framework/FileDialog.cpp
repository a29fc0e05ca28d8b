#include "framework/FileDialog.h"

#include <commdlg.h>

#include <vector>

#include "framework/UiHooks.h"
#include "framework/Wnd.h"

CFileDialog::CFileDialog(BOOL bOpenFileDialog, const wchar_t* lpszDefExt, const wchar_t* lpszFileName, DWORD dwFlags,
                         const wchar_t* lpszFilter, CWnd* pParentWnd, DWORD, BOOL)
    : m_bOpen(bOpenFileDialog != FALSE),
      m_defExt(lpszDefExt ? lpszDefExt : L""),
      m_fileName(lpszFileName ? lpszFileName : L""),
      m_flags(dwFlags),
      m_filter(lpszFilter ? lpszFilter : L""),
      m_pParentWnd(pParentWnd) {}

INT_PTR CFileDialog::DoModal() {
    HWND owner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (const FileDialogHook* hook = CurrentFileDialogHook()) {
        FileDialogAnswer answer = (*hook)(FileDialogRequest{m_bOpen, owner, m_defExt, m_fileName, m_filter, m_flags});
        m_pathName = answer.result == IDOK ? answer.path : std::wstring();
        return answer.result;
    }

    // The system wants NUL between the filter's parts and two at its end.
    std::wstring filter = m_filter;
    for (wchar_t& c : filter) {
        if (c == L'|') c = L'\0';
    }
    filter.push_back(L'\0');

    std::vector<wchar_t> path(32768, L'\0');
    m_fileName.copy(path.data(), path.size() - 1);

    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = static_cast<DWORD>(path.size());
    ofn.lpstrDefExt = m_defExt.empty() ? nullptr : m_defExt.c_str();
    ofn.Flags = m_flags | OFN_EXPLORER | OFN_ENABLESIZING;

    BOOL chosen = m_bOpen ? ::GetOpenFileNameW(&ofn) : ::GetSaveFileNameW(&ofn);
    m_pathName = chosen ? std::wstring(path.data()) : std::wstring();
    return chosen ? IDOK : IDCANCEL;
}

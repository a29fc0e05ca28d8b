#include "framework/Wnd.h"

#include <commctrl.h>

#include "framework/Font.h"
#include "framework/UiHooks.h"
#include "framework/WinApp.h"

CWnd* CWnd::GetDlgItem(int nID) const {
    HWND hChild = ::GetDlgItem(m_hWnd, nID);
    if (!hChild) return nullptr;
    std::unique_ptr<CWnd>& wrapper = m_children[hChild];
    if (!wrapper) wrapper = std::make_unique<CWnd>(hChild);
    return wrapper.get();
}

std::wstring CWnd::GetWindowText() const {
    int length = ::GetWindowTextLengthW(m_hWnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int copied = ::GetWindowTextW(m_hWnd, &text[0], length + 1);
    text.resize(static_cast<size_t>(copied));
    return text;
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont ? pFont->GetSafeHandle() : nullptr), bRedraw);
}

int CWnd::MessageBox(const wchar_t* lpszText, const wchar_t* lpszCaption, UINT nType) {
    return ShowMessageBox(GetSafeHwnd(), lpszText, lpszCaption ? lpszCaption : AfxGetAppName(), nType);
}

std::wstring CComboBox::GetLBText(int nIndex) const {
    LRESULT length = SendMessage(CB_GETLBTEXTLEN, nIndex);
    if (length == CB_ERR) return std::wstring();
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    LRESULT copied = SendMessage(CB_GETLBTEXT, nIndex, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(copied == CB_ERR ? 0 : static_cast<size_t>(copied));
    return text;
}

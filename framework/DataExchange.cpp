#include "framework/DataExchange.h"

#include <commctrl.h>

#include <cerrno>
#include <cfloat>
#include <climits>
#include <cstdio>
#include <cwchar>

#include "framework/UiHooks.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

namespace {
const wchar_t* SkipBlanks(const wchar_t* p) {
    while (*p == L' ' || *p == L'\t') ++p;
    return p;
}

std::wstring ControlText(HWND hWnd) { return CWnd(hWnd).GetWindowText(); }

// Setting a text that is already there would only flicker and notify.
void SetControlText(HWND hWnd, const std::wstring& text) {
    if (ControlText(hWnd) != text) ::SetWindowTextW(hWnd, text.c_str());
}
}  // namespace

bool ParseDialogInteger(const std::wstring& text, int* value) {
    const wchar_t* start = SkipBlanks(text.c_str());
    wchar_t* end = nullptr;
    errno = 0;
    long long parsed = std::wcstoll(start, &end, 10);
    if (end == start || errno == ERANGE || parsed < INT_MIN || parsed > INT_MAX) return false;
    if (*SkipBlanks(end) != L'\0') return false;
    *value = static_cast<int>(parsed);
    return true;
}

bool ParseDialogFloat(const std::wstring& text, float* value) {
    const wchar_t* start = SkipBlanks(text.c_str());
    wchar_t* end = nullptr;
    double parsed = std::wcstod(start, &end);
    if (end == start || *SkipBlanks(end) != L'\0') return false;
    *value = static_cast<float>(parsed);
    return true;
}

std::wstring FormatDialogFloat(float value) {
    wchar_t buffer[64];
    std::swprintf(buffer, sizeof(buffer) / sizeof(buffer[0]), L"%.*g", FLT_DIG, static_cast<double>(value));
    return buffer;
}

HWND CDataExchange::PrepareCtrl(int nIDC) {
    m_hWndLastControl = ::GetDlgItem(m_pDlgWnd->m_hWnd, nIDC);
    return m_hWndLastControl;
}

void CDataExchange::Fail(const wchar_t* prompt) {
    ShowMessageBox(m_pDlgWnd->m_hWnd, prompt, AfxGetAppName(), MB_OK | MB_ICONEXCLAMATION);
    if (m_hWndLastControl) {
        ::SetFocus(m_hWndLastControl);
        ::SendMessageW(m_hWndLastControl, EM_SETSEL, 0, -1);
    }
    m_bFailed = true;
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    if (pDX->Failed()) return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageW(hWnd, BM_GETCHECK, 0, 0));
    } else {
        if (value < 0 || value > 2) value = 0;
        ::SendMessageW(hWnd, BM_SETCHECK, static_cast<WPARAM>(value), 0);
    }
}

void DDX_Slider(CDataExchange* pDX, int nIDC, int& value) {
    if (pDX->Failed()) return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageW(hWnd, TBM_GETPOS, 0, 0));
    } else {
        ::SendMessageW(hWnd, TBM_SETPOS, TRUE, value);
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    if (pDX->Failed()) return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        if (!ParseDialogInteger(ControlText(hWnd), &value)) pDX->Fail(L"Enter an integer.");
    } else {
        SetControlText(hWnd, std::to_wstring(value));
    }
}

void DDX_Text(CDataExchange* pDX, int nIDC, float& value) {
    if (pDX->Failed()) return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        if (!ParseDialogFloat(ControlText(hWnd), &value)) pDX->Fail(L"Enter a number.");
    } else {
        SetControlText(hWnd, FormatDialogFloat(value));
    }
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    if (pDX->Failed()) return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) value = -1;
    int index = 0;
    do {
        if (::SendMessageW(hWnd, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageW(hWnd, BM_GETCHECK, 0, 0) != BST_UNCHECKED) value = index;
            } else {
                ::SendMessageW(hWnd, BM_SETCHECK, index == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++index;
        }
        hWnd = ::GetWindow(hWnd, GW_HWNDNEXT);
    } while (hWnd && !(::GetWindowLongW(hWnd, GWL_STYLE) & WS_GROUP));
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& value) {
    if (pDX->Failed()) return;
    HWND hWnd = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = static_cast<int>(::SendMessageW(hWnd, CB_GETCURSEL, 0, 0));
    } else {
        ::SendMessageW(hWnd, CB_SETCURSEL, static_cast<WPARAM>(value), 0);
    }
}

#include "framework/Dialog.h"

#include <exception>
#include <string>
#include <utility>

#include "framework/File.h"
#include "framework/UiHooks.h"
#include "framework/WinApp.h"

namespace {
// The dialog whose window is being created: it takes the messages that come
// before WM_INITDIALOG, as the framework's creation hook would give them.
thread_local CDialog* t_pDialogBeingCreated = nullptr;

// Old list-filling message numbers kept in initial list data.
constexpr WORD kDlgInitListBoxAddString = 0x0401;
constexpr WORD kDlgInitComboBoxAddString = 0x0403;
constexpr WORD kDlgInitComboBoxAddStringEx = 0x1234;
constexpr WORD kResourceTypeDlgInit = 240;

// Messages whose result a dialog procedure returns itself instead of through
// DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT message) {
    switch (message) {
    case WM_INITDIALOG:
    case WM_QUERYDRAGICON:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return true;
    default:
        return false;
    }
}
}  // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    if (m_hWnd) {
        ::SetWindowLongPtrW(m_hWnd, DWLP_USER, 0);
        if (!m_bModal) ::DestroyWindow(m_hWnd);
    }
}

INT_PTR CDialog::DoModal() {
    // Without a parent the dialog belongs to the main window, as a modal box should.
    HWND hOwner = m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr;
    if (!hOwner && AfxGetApp() && AfxGetApp()->m_pMainWnd && AfxGetApp()->m_pMainWnd != this) {
        hOwner = AfxGetApp()->m_pMainWnd->m_hWnd;
    }
    m_bModal = true;
    m_nModalResult = -1;
    t_pDialogBeingCreated = this;
    INT_PTR result = ::DialogBoxParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate), hOwner,
                                       DialogProc, reinterpret_cast<LPARAM>(this));
    t_pDialogBeingCreated = nullptr;
    m_bModal = false;
    return result;
}

BOOL CDialog::Create(CWnd* pParentWnd) {
    if (pParentWnd) m_pParentWnd = pParentWnd;
    m_bModal = false;
    m_nModalResult = -1;
    t_pDialogBeingCreated = this;
    HWND hWnd = ::CreateDialogParamW(AfxGetResourceHandle(), MAKEINTRESOURCEW(m_nIDTemplate),
                                     m_pParentWnd ? m_pParentWnd->m_hWnd : nullptr, DialogProc,
                                     reinterpret_cast<LPARAM>(this));
    t_pDialogBeingCreated = nullptr;
    return hWnd != nullptr && m_hWnd != nullptr;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    if (!m_hWnd) return;
    if (m_bModal) {
        ::EndDialog(m_hWnd, nResult);
    } else {
        ::DestroyWindow(m_hWnd);
    }
}

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    bool outer = std::exchange(m_bInUpdateData, true);
    CDataExchange exchange(this, bSaveAndValidate);
    DoDataExchange(&exchange);
    m_bInUpdateData = outer;
    return !exchange.Failed();
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
    if (!ExecuteDlgInit()) {
        EndDialog(-1);
        return FALSE;
    }
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnWndMsg(UINT message, WPARAM wParam, LPARAM, LRESULT*) {
    if (message == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            OnOK();
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            OnCancel();
            return TRUE;
        }
    }
    return FALSE;
}

LRESULT CDialog::Default() {
    if (!m_pCurrentMessage) return 0;
    m_pCurrentMessage->defaultResult = ::DefWindowProcW(m_hWnd, m_pCurrentMessage->message,
                                                        m_pCurrentMessage->wParam, m_pCurrentMessage->lParam);
    return m_pCurrentMessage->defaultResult;
}

LRESULT CDialog::DefaultResult() const { return m_pCurrentMessage ? m_pCurrentMessage->defaultResult : 0; }

// Initial list data kept with the template as a resource of type 240: for
// each entry a WORD control id, a WORD message, a DWORD byte count and that
// many bytes of ANSI text with its NUL; a WORD 0 ends the list.
BOOL CDialog::ExecuteDlgInit() {
    HINSTANCE hInstance = AfxGetResourceHandle();
    HRSRC hResource = ::FindResourceW(hInstance, MAKEINTRESOURCEW(m_nIDTemplate), MAKEINTRESOURCEW(kResourceTypeDlgInit));
    if (!hResource) return TRUE;
    HGLOBAL hData = ::LoadResource(hInstance, hResource);
    const BYTE* data = hData ? static_cast<const BYTE*>(::LockResource(hData)) : nullptr;
    if (!data) return FALSE;
    const DWORD size = ::SizeofResource(hInstance, hResource);

    DWORD offset = 0;
    auto readWord = [&](WORD* out) {
        if (offset + sizeof(WORD) > size) return false;
        CopyMemory(out, data + offset, sizeof(WORD));
        offset += sizeof(WORD);
        return true;
    };
    for (;;) {
        WORD controlId = 0;
        if (!readWord(&controlId)) return FALSE;
        if (controlId == 0) return TRUE;
        WORD message = 0;
        DWORD length = 0;
        if (!readWord(&message) || offset + sizeof(DWORD) > size) return FALSE;
        CopyMemory(&length, data + offset, sizeof(DWORD));
        offset += sizeof(DWORD);
        if (length > size - offset) return FALSE;

        const char* text = reinterpret_cast<const char*>(data + offset);
        int textLength = static_cast<int>(strnlen(text, length));
        std::wstring wide(static_cast<size_t>(textLength), L'\0');
        ::MultiByteToWideChar(CP_ACP, 0, text, textLength, &wide[0], textLength);
        wide.resize(wcslen(wide.c_str()));
        offset += length;

        UINT addString;
        if (message == kDlgInitComboBoxAddString || message == kDlgInitComboBoxAddStringEx) {
            addString = CB_ADDSTRING;
        } else if (message == kDlgInitListBoxAddString) {
            addString = LB_ADDSTRING;
        } else {
            return FALSE;
        }
        LRESULT added = ::SendDlgItemMessageW(m_hWnd, controlId, addString, 0, reinterpret_cast<LPARAM>(wide.c_str()));
        if (added < 0) return FALSE;
    }
}

void CDialog::ReportFailure(const char* what) {
    std::wstring text = L"An unexpected error stopped this action";
    if (what && *what) {
        text += L": ";
        for (const char* p = what; *p; ++p) text += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    }
    text += L".";
    ShowMessageBox(m_hWnd, text.c_str(), AfxGetAppName(), MB_OK | MB_ICONERROR);
}

INT_PTR CDialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    CurrentMessage current = {message, wParam, lParam, 0};
    CurrentMessage* outer = std::exchange(m_pCurrentMessage, &current);
    LRESULT result = 0;
    BOOL handled = FALSE;
    // Unwinding through the system's frames is not reliable: every failure
    // stops at this boundary and is shown.
    try {
        if (message == WM_INITDIALOG) {
            result = OnInitDialog();
            handled = TRUE;
        } else {
            handled = OnWndMsg(message, wParam, lParam, &result);
        }
    } catch (const CFileException& e) {
        e.ReportError(m_hWnd);
        handled = TRUE;
    } catch (const std::exception& e) {
        ReportFailure(e.what());
        handled = TRUE;
    } catch (...) {
        ReportFailure(nullptr);
        handled = TRUE;
    }
    m_pCurrentMessage = outer;

    HWND hWnd = m_hWnd;
    if (message == WM_NCDESTROY) {
        if (hWnd) ::SetWindowLongPtrW(hWnd, DWLP_USER, 0);
        m_hWnd = nullptr;
        ReleaseChildWrappers();
    }
    if (!handled) return FALSE;
    if (ReturnsResultDirectly(message)) return static_cast<INT_PTR>(result);
    if (hWnd) ::SetWindowLongPtrW(hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CDialog* dialog = reinterpret_cast<CDialog*>(::GetWindowLongPtrW(hWnd, DWLP_USER));
    if (!dialog) {
        dialog = message == WM_INITDIALOG ? reinterpret_cast<CDialog*>(lParam) : t_pDialogBeingCreated;
        if (!dialog) return FALSE;
        t_pDialogBeingCreated = nullptr;
        dialog->m_hWnd = hWnd;
        ::SetWindowLongPtrW(hWnd, DWLP_USER, reinterpret_cast<LONG_PTR>(dialog));
    }
    return dialog->Dispatch(message, wParam, lParam);
}

// Window wrappers: a handle and one-liners over the messages we use.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <map>
#include <memory>
#include <string>

class CFont;

class CWnd {
public:
    CWnd() = default;
    explicit CWnd(HWND hWnd) : m_hWnd(hWnd) {}
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND GetSafeHwnd() const { return m_hWnd; }

    // A wrapper of the child with this id, owned by this window and valid
    // while it lives; nullptr when there is no such child.
    CWnd* GetDlgItem(int nID) const;
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

    BOOL EnableWindow(BOOL bEnable = TRUE) { return ::EnableWindow(m_hWnd, bEnable); }
    BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
    BOOL IsIconic() const { return ::IsIconic(m_hWnd); }
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    void GetClientRect(LPRECT lpRect) const { ::GetClientRect(m_hWnd, lpRect); }
    void SetWindowText(const wchar_t* lpszString) { ::SetWindowTextW(m_hWnd, lpszString); }
    std::wstring GetWindowText() const;

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, message, wParam, lParam);
    }
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    HICON SetIcon(HICON hIcon, BOOL bBigIcon) {
        return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL,
                                                   reinterpret_cast<LPARAM>(hIcon)));
    }

    // A modal box owned by this window with an OK button unless nType says
    // otherwise; without a caption it carries the application's name.
    int MessageBox(const wchar_t* lpszText, const wchar_t* lpszCaption = nullptr, UINT nType = MB_OK);

    HWND m_hWnd = nullptr;

protected:
    // Forgets the child wrappers once the window is gone: handles get reused.
    void ReleaseChildWrappers() { m_children.clear(); }

private:
    mutable std::map<HWND, std::unique_ptr<CWnd>> m_children;
};

// The scroll-bar source of WM_HSCROLL; for a slider, the slider's window.
class CScrollBar : public CWnd {
public:
    using CWnd::CWnd;
};

class CSliderCtrl : public CWnd {
public:
    using CWnd::CWnd;
    // Two messages, as a single TBM_SETRANGE would cut the limits to 16 bits.
    void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE) {
        SendMessage(TBM_SETRANGEMIN, FALSE, nMin);
        SendMessage(TBM_SETRANGEMAX, bRedraw, nMax);
    }
    void SetTicFreq(int nFreq) { SendMessage(TBM_SETTICFREQ, nFreq); }
    int GetRangeMin() const { return static_cast<int>(SendMessage(TBM_GETRANGEMIN)); }
    int GetRangeMax() const { return static_cast<int>(SendMessage(TBM_GETRANGEMAX)); }
    int GetPos() const { return static_cast<int>(SendMessage(TBM_GETPOS)); }
    // Moving the thumb by message notifies nobody (no WM_HSCROLL).
    void SetPos(int nPos) { SendMessage(TBM_SETPOS, TRUE, nPos); }
};

class CComboBox : public CWnd {
public:
    using CWnd::CWnd;
    // The item lands at nIndex even in a sorted list; -1 appends.
    int InsertString(int nIndex, const wchar_t* lpszString) {
        return static_cast<int>(SendMessage(CB_INSERTSTRING, nIndex, reinterpret_cast<LPARAM>(lpszString)));
    }
    int GetCount() const { return static_cast<int>(SendMessage(CB_GETCOUNT)); }
    // CB_ERR (-1) when no item is selected, also after text was typed into the edit field.
    int GetCurSel() const { return static_cast<int>(SendMessage(CB_GETCURSEL)); }
    int SetCurSel(int nSelect) { return static_cast<int>(SendMessage(CB_SETCURSEL, nSelect)); }
    std::wstring GetLBText(int nIndex) const;
};

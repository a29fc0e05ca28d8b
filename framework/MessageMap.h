// Message maps. A map is the body of the class's OnWndMsg: a plain chain of
// tests, first match wins, unmatched messages go to the base class's map.
// Above each entry, the handler signature it expects.
//
//   BEGIN_MESSAGE_MAP(CMyDlg, CDialogEx)
//       ON_WM_PAINT()
//       ON_BN_CLICKED(1001, &CMyDlg::OnBnClickedSomething)
//   END_MESSAGE_MAP()
#pragma once

#include <windows.h>

#include <commctrl.h>

#define DECLARE_MESSAGE_MAP() \
protected:                    \
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                              \
    BOOL theClass::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) { \
        using ThisClass = theClass;                                                         \
        using TheBaseClass = baseClass;

#define END_MESSAGE_MAP()                                               \
    (void)sizeof(ThisClass);                                            \
    return TheBaseClass::OnWndMsg(message, wParam, lParam, pResult);    \
    }

// void OnXxx() for a WM_COMMAND notification nCode from control id.
#define ON_CONTROL(nCode, id, memberFxn)                                                           \
    if (message == WM_COMMAND && LOWORD(wParam) == (id) && HIWORD(wParam) == (nCode)) {           \
        if (IsNotifyLockedOut(lParam)) return TRUE;                                               \
        (this->*static_cast<void (ThisClass::*)()>(memberFxn))();                                 \
        return TRUE;                                                                              \
    }

// void OnXxx()
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
// void OnXxx()
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
// void OnXxx() for a command (menu, accelerator or button) with this id.
#define ON_COMMAND(id, memberFxn) ON_CONTROL(0, id, memberFxn)

// void OnXxx(NMHDR* pNMHDR, LRESULT* pResult); *pResult is the message's result.
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                      \
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->idFrom == (UINT_PTR)(id) &&     \
        reinterpret_cast<NMHDR*>(lParam)->code == (UINT)(wNotifyCode)) {                           \
        *pResult = 0;                                                                              \
        (this->*static_cast<void (ThisClass::*)(NMHDR*, LRESULT*)>(memberFxn))(                    \
            reinterpret_cast<NMHDR*>(lParam), pResult);                                            \
        return TRUE;                                                                               \
    }

// void OnPaint()
#define ON_WM_PAINT()              \
    if (message == WM_PAINT) {     \
        OnPaint();                 \
        *pResult = DefaultResult(); \
        return TRUE;               \
    }

// HCURSOR OnQueryDragIcon()
#define ON_WM_QUERYDRAGICON()                                        \
    if (message == WM_QUERYDRAGICON) {                               \
        *pResult = reinterpret_cast<LRESULT>(OnQueryDragIcon());     \
        return TRUE;                                                 \
    }

// void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar); the slider
// or scroll bar that scrolled, or nullptr for the window's own scroll bar.
#define ON_WM_HSCROLL()                                                              \
    if (message == WM_HSCROLL) {                                                     \
        CScrollBar scrollBar(reinterpret_cast<HWND>(lParam));                        \
        OnHScroll(LOWORD(wParam), HIWORD(wParam), lParam ? &scrollBar : nullptr);    \
        *pResult = DefaultResult();                                                  \
        return TRUE;                                                                 \
    }

// void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
#define ON_WM_NCCALCSIZE()                                                                  \
    if (message == WM_NCCALCSIZE) {                                                         \
        OnNcCalcSize(static_cast<BOOL>(wParam), reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)); \
        *pResult = DefaultResult();                                                         \
        return TRUE;                                                                        \
    }

// void OnDestroy()
#define ON_WM_DESTROY()              \
    if (message == WM_DESTROY) {     \
        OnDestroy();                 \
        *pResult = DefaultResult();  \
        return TRUE;                 \
    }

// Dialog data exchange: each DDX_ routine moves one member to its control
// (m_bSaveAndValidate FALSE) or reads the control into the member (TRUE).
// Once a read has failed, the routines after it do nothing.
#pragma once

#include <windows.h>

#include <string>

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
        : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

    // The control with this id, remembered as the one a failure points at.
    HWND PrepareCtrl(int nIDC);
    // Shows the conversion prompt, puts the focus on the last prepared control
    // (selecting its text) and stops the exchange.
    void Fail(const wchar_t* prompt);
    bool Failed() const { return m_bFailed; }

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

private:
    HWND m_hWndLastControl = nullptr;
    bool m_bFailed = false;
};

// Check box: 0 unchecked, 1 checked, 2 indeterminate. Writing a value outside
// 0..2 shows the box unchecked and sets the member to 0.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// Slider position (TBM_GETPOS / TBM_SETPOS with redraw); the slider clamps.
void DDX_Slider(CDataExchange* pDX, int nIDC, int& value);
// Integer text: written with "%d"; read as a decimal integer with optional
// sign and surrounding blanks, else "Enter an integer.".
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
// Float text: written with "%.*g" and 6 significant digits; read as a decimal
// number with surrounding blanks, else "Enter a number.".
void DDX_Text(CDataExchange* pDX, int nIDC, float& value);
// Radio group from nIDC (which carries WS_GROUP) up to the next control with
// WS_GROUP, counting only radio buttons: the index of the checked one, -1
// when none is checked. Writing checks the button at value, unchecks the rest.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
// List selection: CB_GETCURSEL (-1 when nothing is selected) / CB_SETCURSEL.
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& value);

// The conversions the text routines use, exposed for their tests.
bool ParseDialogInteger(const std::wstring& text, int* value);
bool ParseDialogFloat(const std::wstring& text, float* value);
std::wstring FormatDialogFloat(float value);

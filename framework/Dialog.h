// Dialogs from templates, run modally (DoModal) or created modeless (Create,
// which tests use to drive a dialog with messages).
#pragma once

#include <windows.h>

#include "framework/DataExchange.h"
#include "framework/MessageMap.h"
#include "framework/Wnd.h"

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);
    ~CDialog() override;

    // Runs the dialog until EndDialog; returns the value given to it, or -1
    // when the dialog could not be created.
    virtual INT_PTR DoModal();
    // Creates the dialog modeless. FALSE when it could not be created or ended
    // itself while initialising (see m_nModalResult).
    BOOL Create(CWnd* pParentWnd = nullptr);

    // Exchanges every bound control with its member. Reading stops at the
    // first control that does not convert: its prompt has been shown, it has
    // the focus, the members after it keep their values, and FALSE returns.
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

    // Ends the dialog with nResult: a modal run returns it from DoModal, a
    // modeless dialog keeps it in m_nModalResult and is destroyed.
    void EndDialog(int nResult);

    virtual BOOL OnInitDialog();
    // Reads the controls; ends with IDOK only when they all convert.
    virtual void OnOK();
    // Ends with IDCANCEL without reading the controls.
    virtual void OnCancel();

    INT_PTR m_nModalResult = -1;

protected:
    virtual void DoDataExchange(CDataExchange* pDX);

    // The message map. TRUE: handled, with *pResult as the message's result.
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

    // The default window procedure's handling of the message being handled.
    LRESULT Default();
    // What Default gave for the current message (0 when it was not called).
    LRESULT DefaultResult() const;
    // Control notifications caused by UpdateData's own writes are not the
    // person's changes; the message map drops them.
    bool IsNotifyLockedOut(LPARAM lParam) const { return lParam != 0 && m_bInUpdateData; }

    // Default handlers that message-map entries may call as the base.
    void OnPaint() { Default(); }
    void OnDestroy() { Default(); }
    void OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
    void OnHScroll(UINT, UINT, CScrollBar*) { Default(); }

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

private:
    struct CurrentMessage {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT defaultResult;
    };

    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    BOOL ExecuteDlgInit();
    void ReportFailure(const char* what);

    bool m_bModal = false;
    bool m_bInUpdateData = false;
    CurrentMessage* m_pCurrentMessage = nullptr;
};

// The extended dialog adds nothing the program relies on.
class CDialogEx : public CDialog {
public:
    using CDialog::CDialog;
};

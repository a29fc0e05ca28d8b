#include "ui/AboutDlg.h"

#include "ui/resources/resource.h"

CDiglogAbout::CDiglogAbout(CWnd* pParent) : CDialogEx(IDD_ABOUTBOX, pParent) {}

BEGIN_MESSAGE_MAP(CDiglogAbout, CDialogEx)
    ON_BN_CLICKED(IDOK, &CDialog::OnOK)
END_MESSAGE_MAP()

#include "app/ZRApp.h"

#include <memory>

#include "ui/ZRAppDlg.h"

CZRApp theApp;

BOOL CZRApp::InitInstance() {
    CWinApp::InitInstance();

    auto shellManager = std::make_unique<CShellManager>();
    // Nothing of the program's own is stored here; the call only fixes where
    // framework profile settings would go.
    SetRegistryKey(L"Local AppWizard-Generated Applications");

    CZRAppDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;

    shellManager.reset();
    // No message loop follows: the process ends with the dialog.
    return FALSE;
}

#pragma once

#include "framework/Framework.h"

// The application: runs the main dialog and ends when it closes.
class CZRApp : public CWinApp {
public:
    CZRApp() = default;

    BOOL InitInstance() override;
};

extern CZRApp theApp;

#pragma once

#include "framework/Framework.h"

// The About box: its template and nothing more; OK and Cancel close it.
class CDiglogAbout : public CDialogEx {
public:
    explicit CDiglogAbout(CWnd* pParent = nullptr);

protected:
    DECLARE_MESSAGE_MAP()
};

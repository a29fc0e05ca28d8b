#pragma once

#include <windows.h>

class CFont {
public:
    CFont() = default;
    ~CFont() { DeleteObject(); }
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;

    // nPointSize is in tenths of a point (95 is 9.5 point), for the screen.
    BOOL CreatePointFont(int nPointSize, const wchar_t* lpszFaceName);
    HFONT GetSafeHandle() const { return m_hFont; }
    BOOL DeleteObject();

private:
    HFONT m_hFont = nullptr;
};

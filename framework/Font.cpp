#include "framework/Font.h"

#include <cstdlib>
#include <cwchar>

BOOL CFont::CreatePointFont(int nPointSize, const wchar_t* lpszFaceName) {
    DeleteObject();
    LOGFONTW logFont = {};
    logFont.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(logFont.lfFaceName, lpszFaceName, LF_FACESIZE - 1);

    HDC hDC = ::GetDC(nullptr);
    int pixels = ::MulDiv(::GetDeviceCaps(hDC, LOGPIXELSY), nPointSize, 720);
    ::ReleaseDC(nullptr, hDC);
    // Negative: the character height, not the cell height, as point sizes mean.
    logFont.lfHeight = -std::abs(pixels);

    m_hFont = ::CreateFontIndirectW(&logFont);
    return m_hFont != nullptr;
}

BOOL CFont::DeleteObject() {
    if (!m_hFont) return FALSE;
    BOOL deleted = ::DeleteObject(m_hFont);
    m_hFont = nullptr;
    return deleted;
}

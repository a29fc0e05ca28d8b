#include "framework/File.h"

#include "framework/UiHooks.h"
#include "framework/WinApp.h"

CFileException::CFileException(std::wstring fileName, DWORD osError)
    : std::runtime_error("file error"), m_strFileName(std::move(fileName)), m_lOsError(osError) {}

std::wstring CFileException::ErrorText() const {
    std::wstring reason;
    wchar_t* buffer = nullptr;
    DWORD length = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                    nullptr, m_lOsError, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    if (length && buffer) {
        reason.assign(buffer, length);
        while (!reason.empty() && (reason.back() == L'\n' || reason.back() == L'\r' || reason.back() == L' ')) {
            reason.pop_back();
        }
    }
    ::LocalFree(buffer);
    if (reason.empty()) reason = L"Error " + std::to_wstring(m_lOsError) + L".";
    return L"The file " + m_strFileName + L" could not be opened.\n" + reason;
}

void CFileException::ReportError(HWND owner) const {
    ShowMessageBox(owner, ErrorText().c_str(), AfxGetAppName(), MB_OK | MB_ICONEXCLAMATION);
}

CFile::CFile(const wchar_t* lpszFileName, UINT nOpenFlags) {
    DWORD error = OpenHandle(lpszFileName, nOpenFlags);
    if (error != ERROR_SUCCESS) throw CFileException(lpszFileName, error);
}

BOOL CFile::Open(const wchar_t* lpszFileName, UINT nOpenFlags, CFileException* pError) {
    DWORD error = OpenHandle(lpszFileName, nOpenFlags);
    if (error == ERROR_SUCCESS) return TRUE;
    if (pError) *pError = CFileException(lpszFileName, error);
    return FALSE;
}

void CFile::Close() {
    if (m_hFile != INVALID_HANDLE_VALUE) ::CloseHandle(m_hFile);
    m_hFile = INVALID_HANDLE_VALUE;
}

DWORD CFile::OpenHandle(const wchar_t* lpszFileName, UINT nOpenFlags) {
    Close();
    DWORD access = 0;
    switch (nOpenFlags & 3) {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    default: access = GENERIC_READ | GENERIC_WRITE; break;
    }
    DWORD share = 0;
    switch (nOpenFlags & 0x70) {
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: share = 0; break;
    }
    DWORD creation = OPEN_EXISTING;
    if (nOpenFlags & modeCreate) creation = (nOpenFlags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

    m_hFile = ::CreateFileW(lpszFileName, access, share, nullptr, creation, FILE_ATTRIBUTE_NORMAL, nullptr);
    return m_hFile == INVALID_HANDLE_VALUE ? ::GetLastError() : ERROR_SUCCESS;
}

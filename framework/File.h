// Files opened the framework's way: the throwing constructor reports through
// CFileException, which the dialog's message handling shows to the person.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

class CFileException : public std::runtime_error {
public:
    CFileException(std::wstring fileName, DWORD osError);

    // A box that names the file and the system's reason.
    void ReportError(HWND owner) const;
    std::wstring ErrorText() const;

    std::wstring m_strFileName;
    DWORD m_lOsError;
};

class CFile {
public:
    enum OpenFlags : UINT {
        modeRead = 0x0000,
        modeWrite = 0x0001,
        modeReadWrite = 0x0002,
        shareExclusive = 0x0010,
        shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030,
        shareDenyNone = 0x0040,
        modeCreate = 0x1000,
        modeNoTruncate = 0x2000,
    };

    CFile() = default;
    // Opens or throws CFileException.
    CFile(const wchar_t* lpszFileName, UINT nOpenFlags);
    ~CFile() { Close(); }
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // FALSE on failure, with the reason in *pError when given.
    BOOL Open(const wchar_t* lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
    void Close();

    HANDLE m_hFile = INVALID_HANDLE_VALUE;

private:
    DWORD OpenHandle(const wchar_t* lpszFileName, UINT nOpenFlags);
};

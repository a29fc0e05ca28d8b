// Seams through which a test answers what would otherwise wait for a person:
// message boxes and file dialogs. Without a hook the real Win32 call runs.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

struct MessageBoxRequest {
    HWND owner;
    std::wstring text;
    std::wstring caption;
    UINT type;
};
// Returns the button the "person" pressed (IDOK, IDCANCEL, ...).
using MessageBoxHook = std::function<int(const MessageBoxRequest&)>;

struct FileDialogRequest {
    bool open;  // Open dialog; false for Save As
    HWND owner;
    std::wstring defaultExtension;
    std::wstring fileName;
    std::wstring filter;  // as given, with '|' separators
    DWORD flags;
};
struct FileDialogAnswer {
    INT_PTR result;     // IDOK or IDCANCEL
    std::wstring path;  // the full path, as the dialog would return it
};
using FileDialogHook = std::function<FileDialogAnswer(const FileDialogRequest&)>;

// Installs a hook for its lifetime and puts back whatever was there before.
class ScopedMessageBoxHook {
public:
    explicit ScopedMessageBoxHook(MessageBoxHook hook);
    ~ScopedMessageBoxHook();
    ScopedMessageBoxHook(const ScopedMessageBoxHook&) = delete;
    ScopedMessageBoxHook& operator=(const ScopedMessageBoxHook&) = delete;

private:
    MessageBoxHook m_previous;
};

class ScopedFileDialogHook {
public:
    explicit ScopedFileDialogHook(FileDialogHook hook);
    ~ScopedFileDialogHook();
    ScopedFileDialogHook(const ScopedFileDialogHook&) = delete;
    ScopedFileDialogHook& operator=(const ScopedFileDialogHook&) = delete;

private:
    FileDialogHook m_previous;
};

// Every message box of the program goes through here.
int ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

// The file dialog hook, if one is installed (for CFileDialog).
const FileDialogHook* CurrentFileDialogHook();

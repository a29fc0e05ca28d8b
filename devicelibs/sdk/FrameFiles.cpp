// Frame files on disk: reading, atomic writing, the frames folder and the
// lock that keeps a frame to one user.
#include "devicelibs/sdk/VirtualFrame.h"

#include <windows.h>
#include <shlobj.h>

#include <algorithm>
#include <atomic>

namespace vframe {

namespace {

// One byte more than a frame may have, so that ParseFrame can say so.
constexpr DWORD kReadLimit = (1u << 20) + 1;

std::wstring EnvironmentVariable(const wchar_t* name) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return std::wstring();
    std::wstring value(size, L'\0');
    const DWORD length = GetEnvironmentVariableW(name, &value[0], size);
    value.resize(length < size ? length : 0);
    return value;
}

std::wstring JoinPath(const std::wstring& folder, const std::wstring& name) {
    if (folder.empty() || folder.back() == L'\\' || folder.back() == L'/') return folder + name;
    return folder + L"\\" + name;
}

bool EndsWithIgnoringCase(const std::wstring& text, const std::wstring& end) {
    return text.size() >= end.size() &&
           CompareStringOrdinal(text.c_str() + text.size() - end.size(), int(end.size()), end.c_str(), int(end.size()),
                                TRUE) == CSTR_EQUAL;
}

std::string WindowsError(DWORD code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND: return "no such file";
        case ERROR_SHARING_VIOLATION: return "another program holds the file";
        case ERROR_ACCESS_DENIED: return "access denied";
        default: return "Windows error " + std::to_string(code);
    }
}

bool WriteAll(HANDLE file, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        DWORD written = 0;
        const DWORD chunk = DWORD(std::min<std::size_t>(text.size() - done, 1u << 20));
        if (!WriteFile(file, text.data() + done, chunk, &written, nullptr) || written == 0) return false;
        done += written;
    }
    return true;
}

// Someone may be reading the frame at the moment (the frame tool, an editor,
// a test): give them a moment before the write counts as failed.
bool ReplaceWithRetries(const std::wstring& from, const std::wstring& to) {
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) return true;
        const DWORD error = GetLastError();
        const bool transient =
            error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
        if (!transient || attempt == 9) return false;
        Sleep(20);
    }
}

}  // namespace

std::string Utf8(const std::wstring& text) {
    if (text.empty()) return std::string();
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(std::size_t(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), &out[0], size, nullptr, nullptr);
    return out;
}

std::wstring Wide(const std::string& utf8) {
    if (utf8.empty()) return std::wstring();
    const int size = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring out(std::size_t(size), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), &out[0], size);
    return out;
}

bool ReadFrameFile(const std::wstring& path, FrameState* state, std::string* error) {
    auto fail = [error](const std::string& why) {
        if (error) *error = why;
        return false;
    };
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return fail(WindowsError(GetLastError()));
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return fail("a folder, not a file");

    // Sharing delete too, so that a writer can replace the file meanwhile.
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return fail(WindowsError(GetLastError()));
    std::string text;
    char buffer[16384];
    DWORD got = 0;
    bool ok = true;
    while (text.size() < kReadLimit) {
        if (!ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
            ok = false;
            break;
        }
        if (got == 0) break;
        text.append(buffer, got);
    }
    const DWORD readError = GetLastError();
    CloseHandle(file);
    if (!ok) return fail("cannot be read: " + WindowsError(readError));
    return ParseFrame(text, state, error);
}

bool WriteFrameFile(const std::wstring& path, const FrameState& state) {
    for (const std::string& name : state.failing)
        if (!IsOperationName(name)) return false;
    // A read-only frame is write-protected flash. Windows would refuse the
    // move below anyway; Wine would not.
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
    const std::string text = FormatFrame(state);

    // The temporary file lies beside the frame, so that the move is a rename
    // within one volume, and does not end in .frame, so that no enumeration
    // ever takes it for a frame.
    static std::atomic<unsigned> counter{0};
    const std::wstring temporary =
        path + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) + L".tmp";
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool written = WriteAll(file, text) && FlushFileBuffers(file);
    CloseHandle(file);
    if (written && ReplaceWithRetries(temporary, path)) return true;
    DeleteFileW(temporary.c_str());
    return false;
}

std::wstring FramesFolder() {
    const std::wstring configured = EnvironmentVariable(L"ZR_FRAMES_DIR");
    if (!configured.empty()) return configured;
    std::wstring base = EnvironmentVariable(L"LOCALAPPDATA");
    if (base.empty()) {
        wchar_t folder[MAX_PATH] = {};
        if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder))) base = folder;
    }
    return JoinPath(base, L"VirtualTouchFrames");
}

std::vector<FrameEntry> ScanFramesFolder(const std::wstring& folder) {
    std::vector<FrameEntry> entries;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(JoinPath(folder, L"*.frame").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return entries;
    do {
        // The pattern may also match a name by its short form; only the
        // long name counts.
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
        if (!EndsWithIgnoringCase(found.cFileName, L".frame")) continue;
        FrameEntry entry;
        entry.path = JoinPath(folder, found.cFileName);
        entries.push_back(entry);
    } while (FindNextFileW(search, &found));
    FindClose(search);

    std::sort(entries.begin(), entries.end(), [](const FrameEntry& a, const FrameEntry& b) {
        return CompareStringOrdinal(a.path.c_str(), -1, b.path.c_str(), -1, TRUE) == CSTR_LESS_THAN;
    });
    for (FrameEntry& entry : entries) {
        entry.isFrame = ReadFrameFile(entry.path, &entry.state, &entry.problem);
    }
    return entries;
}

std::wstring PairPathOf(const std::wstring& framePath) { return framePath + L"#pair"; }

std::wstring FramePathOf(const std::wstring& devicePath) {
    std::wstring path = devicePath;
    // A program may pass its command line on as it stands, quotes and all.
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"') path = path.substr(1, path.size() - 2);
    if (EndsWithIgnoringCase(path, L"#pair")) path.resize(path.size() - 5);
    if (path.empty()) return path;
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (size == 0) return path;
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(path.c_str(), size, &full[0], nullptr);
    if (length == 0 || length >= size) return path;
    full.resize(length);
    return full;
}

std::wstring LockPathOf(const std::wstring& framePath) { return framePath + L".lock"; }

bool FrameLock::Acquire(const std::wstring& framePath) {
    Release();
    // No sharing: while this handle is open nobody else opens the lock file,
    // in this process or another. Delete-on-close: the file goes with the
    // handle, also when the process is killed.
    HANDLE file = CreateFileW(LockPathOf(framePath).c_str(), GENERIC_READ | GENERIC_WRITE | DELETE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    // For the person who finds the file: who holds the frame.
    const std::string holder = "held by process " + std::to_string(GetCurrentProcessId()) + "\r\n";
    WriteAll(file, holder);
    m_handle = file;
    return true;
}

void FrameLock::Release() {
    if (m_handle != nullptr) CloseHandle(static_cast<HANDLE>(m_handle));
    m_handle = nullptr;
}

bool FrameInUse(const std::wstring& framePath) {
    HANDLE file = CreateFileW(LockPathOf(framePath).c_str(), GENERIC_READ,
                              FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        CloseHandle(file);
        return false;
    }
    return GetLastError() == ERROR_SHARING_VIOLATION;
}

}  // namespace vframe

#include "TempFrames.h"

#include <algorithm>
#include <atomic>

namespace sdktest {

namespace {

bool SaveVariable(const wchar_t* name, std::wstring* value) {
    const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
    if (size == 0) return false;
    value->assign(size, L'\0');
    value->resize(GetEnvironmentVariableW(name, &(*value)[0], size));
    return true;
}

void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

void TempFrames::SetUp() {
    static std::atomic<int> counter{0};
    wchar_t temp[MAX_PATH + 1];
    GetTempPathW(MAX_PATH + 1, temp);
    m_root = std::wstring(temp) + L"zr-sdk-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
             std::to_wstring(GetTickCount()) + L"-" + std::to_wstring(++counter);
    m_frames = m_root + L"\\frames";
    m_log = m_root + L"\\calls.log";
    ASSERT_TRUE(CreateDirectoryW(m_root.c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryW(m_frames.c_str(), nullptr));

    m_hadFramesDir = SaveVariable(L"ZR_FRAMES_DIR", &m_savedFramesDir);
    m_hadCallLog = SaveVariable(L"ZR_CALL_LOG", &m_savedCallLog);
    SetEnvironmentVariableW(L"ZR_FRAMES_DIR", m_frames.c_str());
    SetEnvironmentVariableW(L"ZR_CALL_LOG", m_log.c_str());
}

void TempFrames::TearDown() {
    SetEnvironmentVariableW(L"ZR_FRAMES_DIR", m_hadFramesDir ? m_savedFramesDir.c_str() : nullptr);
    SetEnvironmentVariableW(L"ZR_CALL_LOG", m_hadCallLog ? m_savedCallLog.c_str() : nullptr);
    if (!m_root.empty()) RemoveTree(m_root);
}

std::wstring TempFrames::AddFrame(const std::wstring& name, const vframe::FrameState& state) {
    const std::wstring path = PathOf(name);
    EXPECT_TRUE(vframe::WriteFrameFile(path, state)) << vframe::Utf8(path);
    return path;
}

std::wstring TempFrames::AddFile(const std::wstring& name, const std::string& text) {
    const std::wstring path = PathOf(name);
    WriteBytes(path, text);
    return path;
}

vframe::FrameState TempFrames::FrameAt(const std::wstring& path) const {
    vframe::FrameState state;
    std::string problem;
    EXPECT_TRUE(vframe::ReadFrameFile(path, &state, &problem)) << problem;
    return state;
}

std::vector<std::wstring> TempFrames::FolderNames() const {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((m_frames + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

std::vector<std::string> TempFrames::LogLines() const {
    std::vector<std::string> lines;
    const std::string text = ReadBytes(m_log);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string ReadBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::string();
    std::string bytes;
    char buffer[8192];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(file);
    return bytes;
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << vframe::Utf8(path);
    DWORD written = 0;
    WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_EQ(written, bytes.size());
}

HANDLE StartChild(const std::wstring& args) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(self) + L"\" " + args;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessW(self, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

int RunChild(const std::wstring& args) {
    HANDLE process = StartChild(args);
    if (process == nullptr) return -1;
    DWORD code = DWORD(-1);
    if (WaitForSingleObject(process, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(process, &code);
    else TerminateProcess(process, 99);
    CloseHandle(process);
    return int(code);
}

}  // namespace sdktest

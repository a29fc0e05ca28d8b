// A fresh frames folder for each test: a temporary folder named by
// ZR_FRAMES_DIR, a call log beside it named by ZR_CALL_LOG, and helpers to
// put frames into it. Everything is removed, and the variables restored,
// when the test ends.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "devicelibs/sdk/VirtualFrame.h"

namespace sdktest {

class TempFrames : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Full path of a file in the frames folder.
    std::wstring PathOf(const std::wstring& name) const { return m_frames + L"\\" + name; }
    // Writes state as the frame `name` and gives its full path.
    std::wstring AddFrame(const std::wstring& name, const vframe::FrameState& state = vframe::FactoryFrame());
    // Writes text as it stands, for files that are not frames.
    std::wstring AddFile(const std::wstring& name, const std::string& text);
    vframe::FrameState FrameAt(const std::wstring& path) const;

    // The names in the frames folder, sorted.
    std::vector<std::wstring> FolderNames() const;
    // The call log's lines so far.
    std::vector<std::string> LogLines() const;

    const std::wstring& FramesDir() const { return m_frames; }
    const std::wstring& RootDir() const { return m_root; }

private:
    std::wstring m_root;
    std::wstring m_frames;
    std::wstring m_log;
    std::wstring m_savedFramesDir;
    std::wstring m_savedCallLog;
    bool m_hadFramesDir = false;
    bool m_hadCallLog = false;
};

std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);

// Starts this test program again with args (the child modes of main.cpp);
// the caller ends and closes the process. NULL if it could not start.
HANDLE StartChild(const std::wstring& args);
// Runs it to the end and gives its exit code, or -1 if it could not run.
int RunChild(const std::wstring& args);

}  // namespace sdktest

// Frame files on disk: atomic writes, reading, the folder and its scan, paths
// and the lock.
#include <functional>

#include "TempFrames.h"

namespace sdktest {
namespace {

using vframe::FrameState;

using FrameFiles = TempFrames;

TEST_F(FrameFiles, WritesReplaceTheWholeFrameAndLeaveNothingBehind) {
    FrameState state = vframe::FactoryFrame();
    const std::wstring path = AddFrame(L"demo.frame", state);
    for (int i = 1; i <= 5; ++i) {
        state.resets = uint32_t(i);
        state.config.TouchHeight = uint16_t(3 + i);
        ASSERT_TRUE(vframe::WriteFrameFile(path, state));
        EXPECT_TRUE(FrameAt(path) == state);
    }
    EXPECT_EQ(FolderNames(), std::vector<std::wstring>{L"demo.frame"});
}

TEST_F(FrameFiles, AFailedWriteLeavesTheOldFrameIntact) {
    struct Case {
        const char* name;
        // Sets up the obstacle for the frame at the path; gives what undoes it.
        std::function<std::function<void()>(const std::wstring&)> obstruct;
    } cases[] = {
        {"the frame file is read-only",
         [](const std::wstring& path) -> std::function<void()> {
             SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY);
             return [path] { SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL); };
         }},
        {"another program holds the frame file without sharing delete",
         [](const std::wstring& path) -> std::function<void()> {
             HANDLE held = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr);
             EXPECT_NE(held, INVALID_HANDLE_VALUE);
             return [held] { CloseHandle(held); };
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::wstring path = AddFrame(L"demo.frame");
        const std::string before = ReadBytes(path);
        FrameState changed = vframe::FactoryFrame();
        changed.resets = 1;

        const auto undo = c.obstruct(path);
        EXPECT_FALSE(vframe::WriteFrameFile(path, changed));
        EXPECT_EQ(ReadBytes(path), before);
        undo();
        EXPECT_EQ(FolderNames(), std::vector<std::wstring>{L"demo.frame"});
        ASSERT_TRUE(DeleteFileW(path.c_str()));
    }
}

TEST_F(FrameFiles, WritesNothingWhereNoFrameCanBe) {
    EXPECT_FALSE(vframe::WriteFrameFile(PathOf(L"missing\\demo.frame"), vframe::FactoryFrame()));

    FrameState unknownFault = vframe::FactoryFrame();
    unknownFault.failing = {"SetDriverConfg"};  // would not read back as a frame
    EXPECT_FALSE(vframe::WriteFrameFile(PathOf(L"demo.frame"), unknownFault));
    EXPECT_TRUE(FolderNames().empty());
}

TEST_F(FrameFiles, ReadingSaysWhyAFileIsNoFrame) {
    CreateDirectoryW(PathOf(L"folder.frame").c_str(), nullptr);
    AddFile(L"broken.frame", "[frame]\r\nformat = 1\r\n[config]\r\nEnableTouch = yes\r\n");
    struct Case {
        const wchar_t* name;
        const char* why;
    } cases[] = {
        {L"missing.frame", "no such file"},
        {L"folder.frame", "a folder"},
        {L"broken.frame", "line 4: EnableTouch"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(vframe::Utf8(c.name));
        FrameState state;
        std::string why;
        EXPECT_FALSE(vframe::ReadFrameFile(PathOf(c.name), &state, &why));
        EXPECT_NE(why.find(c.why), std::string::npos) << why;
    }
}

TEST_F(FrameFiles, ScanListsFrameFilesByNameAndExplainsTheRest) {
    AddFrame(L"b.frame");
    AddFrame(L"A.frame");
    AddFile(L"c.frame", "not a frame\r\n");
    AddFrame(L"d.txt");
    AddFrame(L"e.frame.bak");
    CreateDirectoryW(PathOf(L"f.frame").c_str(), nullptr);

    const auto entries = vframe::ScanFramesFolder(FramesDir());
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].path, PathOf(L"A.frame"));
    EXPECT_EQ(entries[1].path, PathOf(L"b.frame"));
    EXPECT_EQ(entries[2].path, PathOf(L"c.frame"));
    EXPECT_TRUE(entries[0].isFrame && entries[1].isFrame);
    EXPECT_TRUE(entries[0].state == vframe::FactoryFrame());
    EXPECT_FALSE(entries[2].isFrame);
    EXPECT_NE(entries[2].problem.find("line 1"), std::string::npos) << entries[2].problem;

    EXPECT_TRUE(vframe::ScanFramesFolder(PathOf(L"no-such-folder")).empty());
}

TEST_F(FrameFiles, FramesFolderFollowsTheEnvironmentAtEveryCall) {
    EXPECT_EQ(vframe::FramesFolder(), FramesDir());
    SetEnvironmentVariableW(L"ZR_FRAMES_DIR", RootDir().c_str());
    EXPECT_EQ(vframe::FramesFolder(), RootDir());

    wchar_t local[MAX_PATH] = {};
    ASSERT_GT(GetEnvironmentVariableW(L"LOCALAPPDATA", local, MAX_PATH), 0u);
    const std::wstring perUser = std::wstring(local) + L"\\VirtualTouchFrames";
    SetEnvironmentVariableW(L"ZR_FRAMES_DIR", L"");
    EXPECT_EQ(vframe::FramesFolder(), perUser);
    SetEnvironmentVariableW(L"ZR_FRAMES_DIR", nullptr);
    EXPECT_EQ(vframe::FramesFolder(), perUser);
}

TEST_F(FrameFiles, DevicePathsNameTheFrameFile) {
    const std::wstring frame = PathOf(L"demo.frame");
    wchar_t current[MAX_PATH];
    GetCurrentDirectoryW(MAX_PATH, current);
    struct Case {
        std::wstring devicePath;
        std::wstring framePath;
    } cases[] = {
        {frame, frame},
        {vframe::PairPathOf(frame), frame},
        {L"\"" + frame + L"\"", frame},
        {L"\"" + vframe::PairPathOf(frame) + L"\"", frame},
        {L"demo.frame", std::wstring(current) + L"\\demo.frame"},
        {L"", L""},
        {L"#pair", L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(vframe::Utf8(c.devicePath));
        EXPECT_EQ(vframe::FramePathOf(c.devicePath), c.framePath);
    }
    EXPECT_EQ(vframe::PairPathOf(frame), frame + L"#pair");
}

TEST_F(FrameFiles, OneLockHolderAtATime) {
    const std::wstring frame = AddFrame(L"demo.frame");
    vframe::FrameLock first;
    vframe::FrameLock second;
    EXPECT_FALSE(vframe::FrameInUse(frame));
    ASSERT_TRUE(first.Acquire(frame));
    EXPECT_TRUE(vframe::FrameInUse(frame));
    EXPECT_FALSE(second.Acquire(frame));
    EXPECT_FALSE(second.Held());

    first.Release();
    EXPECT_EQ(GetFileAttributesW(vframe::LockPathOf(frame).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_FALSE(vframe::FrameInUse(frame));
    EXPECT_TRUE(second.Acquire(frame));
}

}  // namespace
}  // namespace sdktest

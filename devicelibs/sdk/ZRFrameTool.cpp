// ZRFrameTool: makes and inspects virtual touch frames.
//
//   ZRFrameTool folder              prints the frames folder
//   ZRFrameTool list                lists its frames, and the files skipped and why
//   ZRFrameTool new <file> [--force]  writes a factory frame (an existing file only with --force)
//   ZRFrameTool demo                writes demo.frame into the frames folder if it holds no frame
//   ZRFrameTool check <file>        says whether a file reads as a frame, and if not why
//
// Exit codes: 0 done, 1 refused or failed, 2 wrong arguments.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "devicelibs/sdk/VirtualFrame.h"

namespace {

void Say(const std::string& text) {
    std::fputs((text + "\n").c_str(), stdout);
}
void Complain(const std::string& text) {
    std::fputs(("ZRFrameTool: " + text + "\n").c_str(), stderr);
}

std::string FileName(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/");
    return vframe::Utf8(slash == std::wstring::npos ? path : path.substr(slash + 1));
}

std::wstring FullPath(const std::wstring& path) {
    wchar_t buffer[32768];
    const DWORD length = GetFullPathNameW(path.c_str(), 32768, buffer, nullptr);
    return (length == 0 || length >= 32768) ? path : std::wstring(buffer, length);
}

// Creates folder and every missing folder above it. A part that cannot be
// created may exist already or be a share's root; only the end counts.
bool MakeFolders(const std::wstring& folder) {
    const std::wstring full = FullPath(folder);
    for (std::size_t at = full.find_first_of(L"\\/", 3); at != std::wstring::npos; at = full.find_first_of(L"\\/", at + 1))
        CreateDirectoryW(full.substr(0, at).c_str(), nullptr);
    CreateDirectoryW(full.c_str(), nullptr);
    const DWORD attributes = GetFileAttributesW(full.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool WriteNewFrame(const std::wstring& path, bool force) {
    if (!force && GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
        Complain(vframe::Utf8(path) + " exists; add --force to replace it");
        return false;
    }
    const auto slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos && slash > 0 && !MakeFolders(path.substr(0, slash))) {
        Complain("cannot create the folder of " + vframe::Utf8(path));
        return false;
    }
    if (!vframe::WriteFrameFile(path, vframe::FactoryFrame())) {
        Complain("cannot write " + vframe::Utf8(path));
        return false;
    }
    Say("wrote a factory frame to " + vframe::Utf8(FullPath(path)));
    return true;
}

int List() {
    const std::wstring folder = vframe::FramesFolder();
    Say("frames folder: " + vframe::Utf8(folder));
    const DWORD attributes = GetFileAttributesW(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        Say("the folder does not exist: no frames");
        return 0;
    }
    int frames = 0;
    for (const vframe::FrameEntry& entry : vframe::ScanFramesFolder(folder)) {
        if (!entry.isFrame) {
            Say("skipped " + FileName(entry.path) + ": " + entry.problem);
            continue;
        }
        ++frames;
        std::string notes;
        if (vframe::FrameInUse(entry.path)) notes += "; in use";
        if (!entry.state.geometrySupported) notes += "; no geometry support";
        for (const std::string& name : entry.state.failing) notes += "; fails " + name;
        Say("frame   " + FileName(entry.path) + notes);
    }
    Say(std::to_string(frames) + (frames == 1 ? " frame" : " frames"));
    return 0;
}

int Demo() {
    const std::wstring folder = vframe::FramesFolder();
    int frames = 0;
    for (const vframe::FrameEntry& entry : vframe::ScanFramesFolder(folder)) frames += entry.isFrame ? 1 : 0;
    if (frames > 0) {
        Say("the frames folder already holds " + std::to_string(frames) + (frames == 1 ? " frame" : " frames") + ": " +
            vframe::Utf8(folder));
        return 0;
    }
    if (!MakeFolders(folder)) {
        Complain("cannot create the frames folder " + vframe::Utf8(folder));
        return 1;
    }
    // A demo.frame that is not a frame stays as it is: it may be a person's
    // half-finished edit.
    return WriteNewFrame(folder + L"\\demo.frame", false) ? 0 : 1;
}

int Check(const std::wstring& path) {
    vframe::FrameState state;
    std::string problem;
    if (!vframe::ReadFrameFile(path, &state, &problem)) {
        Say(vframe::Utf8(path) + ": not a frame: " + problem);
        return 1;
    }
    Say(vframe::Utf8(path) + ": a frame");
    return 0;
}

int Usage() {
    Complain("usage: ZRFrameTool folder | list | demo | new <file> [--force] | check <file>");
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::wstring> args(argv + 1, argv + argc);
    if (args.empty()) return Usage();
    const std::wstring& command = args[0];
    if (command == L"folder" && args.size() == 1) {
        Say(vframe::Utf8(vframe::FramesFolder()));
        return 0;
    }
    if (command == L"list" && args.size() == 1) return List();
    if (command == L"demo" && args.size() == 1) return Demo();
    if (command == L"check" && args.size() == 2) return Check(args[1]);
    if (command == L"new" && (args.size() == 2 || (args.size() == 3 && args[2] == L"--force")))
        return WriteNewFrame(args[1], args.size() == 3) ? 0 : 1;
    return Usage();
}

// The main dialog created modeless on frames of a temporary folder, with every
// message box recorded and answered OK, and the device library's call log.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "devicelibs/sdk/VirtualFrame.h"
#include "framework/Framework.h"
#include "ui/ZRAppDlg.h"

class MainDialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Writes a frame file into the frames folder and returns its path.
    std::wstring AddFrame(const std::wstring& name, const vframe::FrameState& state = vframe::FactoryFrame());
    // Creates the dialog as the program would with this command-line text.
    // false: it ended itself while initialising.
    bool Open(const std::wstring& commandLine = L"");
    void Close();

    // The lines of the call log so far, and those that start with a call name.
    std::vector<std::string> CallLog() const;
    std::vector<std::string> Calls(const std::string& name) const;

    HWND Control(int id) const { return ::GetDlgItem(dlg->m_hWnd, id); }
    std::wstring Text(int id) const;
    void Click(int id) { ::SendMessageW(Control(id), BM_CLICK, 0, 0); }
    // A key pressed while `focus` has the focus, through the dialog manager.
    void PressKey(HWND focus, WPARAM key);
    static void PumpMessages();

    std::wstring folder;
    std::wstring logPath;
    std::wstring commandLineStorage;
    std::vector<MessageBoxRequest> boxes;
    std::unique_ptr<ScopedMessageBoxHook> hook;
    std::unique_ptr<CWinApp> app;
    std::unique_ptr<CZRAppDlg> dlg;
};

std::string Narrow(const std::wstring& text);

// Start-up on zero, one and two frames, the command-line device path, and
// the ways the dialog ends.
#include <windows.h>

#include <string>

#include "device/DevicePath.h"
#include "tests/ui/MainDialogFixture.h"
#include "ui/AboutDlg.h"
#include "ui/resources/resource.h"

namespace {

using ::testing::HasSubstr;

bool AllZero(const wchar_t* field, size_t units) {
    for (size_t i = 0; i < units; ++i) {
        if (field[i] != L'\0') return false;
    }
    return true;
}

TEST(DevicePath, TextThatDoesNotFitLeavesTheFieldEmpty) {
    struct Case {
        size_t length;
        bool fits;
    } cases[] = {{0, true}, {1, true}, {kDevicePathCapacity - 1, true}, {kDevicePathCapacity, false}, {5000, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.length);
        _ZR_DEVICE_INFO info;
        std::fill(std::begin(info.m_szDevicePath), std::end(info.m_szDevicePath), L'#');
        std::fill(std::begin(info.PairPath), std::end(info.PairPath), L'\0');
        std::wstring text(c.length, L'x');

        EXPECT_EQ(CopyDevicePath(text.c_str(), info.m_szDevicePath), c.fits);
        EXPECT_EQ(std::wstring(info.m_szDevicePath), c.fits ? text : std::wstring());
        EXPECT_TRUE(AllZero(info.PairPath, kDevicePathCapacity)) << "wrote past the path field";
    }
}

TEST_F(MainDialogTest, WithoutAFrameSaysSoAndEnds) {
    EXPECT_FALSE(Open());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"No Any TouchScreen Connect The Host");
    EXPECT_EQ(boxes[0].caption, L"ui_tests");  // the executable's name
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(dlg->m_nModalResult, IDOK);
    EXPECT_EQ(dlg->m_hWnd, nullptr);
    EXPECT_EQ(dlg->m_pDeviceManager, nullptr);
}

TEST_F(MainDialogTest, WithTwoFramesSaysSoAndEnds) {
    AddFrame(L"a.frame");
    AddFrame(L"b.frame");
    EXPECT_FALSE(Open());
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"More Than One TouchScreen Connect The Host");
    EXPECT_EQ(dlg->m_nModalResult, IDOK);
}

TEST_F(MainDialogTest, WithOneFrameEnumeratesOpensOnceAndStaysOpen) {
    std::wstring path = AddFrame(L"demo.frame");
    ASSERT_TRUE(Open());
    EXPECT_TRUE(boxes.empty());

    EXPECT_EQ(dlg->m_DeviceInfo.m_nDeviceCount, 1);
    EXPECT_EQ(std::wstring(dlg->m_DeviceInfo.m_szDevicePath), path);
    EXPECT_EQ(std::wstring(dlg->m_DeviceInfo.PairPath), vframe::PairPathOf(path));
    ASSERT_EQ(Calls("EnumDevice").size(), 1u);
    EXPECT_THAT(Calls("EnumDevice")[0], HasSubstr("10317 3 254 253"));
    // The empty command line is tried first and opens nothing.
    ASSERT_EQ(Calls("OpenDevice").size(), 2u);
    EXPECT_THAT(Calls("OpenDevice")[0], HasSubstr("-> 0"));
    EXPECT_THAT(Calls("OpenDevice")[1], HasSubstr(Narrow(L"demo.frame\" -> 1")));
    EXPECT_EQ(Calls("GetDriverConfig").size(), 1u);
    EXPECT_TRUE(Calls("CloseDevice").empty());
    EXPECT_TRUE(vframe::FrameInUse(path));

    Close();
    EXPECT_FALSE(vframe::FrameInUse(path)) << "the device manager must release the frame";
}

TEST_F(MainDialogTest, CommandLinePathThatOpensSkipsEnumeration) {
    std::wstring path = AddFrame(L"first.frame");
    AddFrame(L"second.frame");  // enumeration would find two
    ASSERT_TRUE(Open(path));
    EXPECT_TRUE(boxes.empty());
    EXPECT_EQ(dlg->m_DeviceInfo.m_nDeviceCount, 1);
    EXPECT_TRUE(Calls("EnumDevice").empty());
    ASSERT_EQ(Calls("OpenDevice").size(), 2u);  // once to try the path, once to work
    EXPECT_TRUE(AllZero(dlg->m_DeviceInfo.PairPath, sizeof(dlg->m_DeviceInfo.PairPath) / sizeof(wchar_t)));
}

TEST_F(MainDialogTest, CommandLinePathThatDoesNotOpenFallsBackToEnumeration) {
    std::wstring path = AddFrame(L"demo.frame");
    ASSERT_TRUE(Open(folder + L"\\missing.frame"));
    EXPECT_EQ(Calls("EnumDevice").size(), 1u);
    EXPECT_EQ(std::wstring(dlg->m_DeviceInfo.m_szDevicePath), path);
}

TEST_F(MainDialogTest, OverlongCommandLineIsNoPath) {
    std::wstring path = AddFrame(L"demo.frame");
    ASSERT_TRUE(Open(std::wstring(3000, L'a')));
    EXPECT_EQ(Calls("EnumDevice").size(), 1u);
    EXPECT_EQ(std::wstring(dlg->m_DeviceInfo.m_szDevicePath), path);
    EXPECT_EQ(std::wstring(dlg->m_DeviceInfo.PairPath), vframe::PairPathOf(path));
}

TEST_F(MainDialogTest, ExitClosesAndSendsNothing) {
    AddFrame(L"demo.frame");
    ASSERT_TRUE(Open());
    size_t callsBefore = CallLog().size();
    Click(IDC_BTN_EXIT);
    EXPECT_EQ(dlg->m_hWnd, nullptr);
    EXPECT_EQ(dlg->m_nModalResult, IDOK);
    EXPECT_TRUE(boxes.empty());
    std::vector<std::string> log = CallLog();
    for (size_t i = callsBefore; i < log.size(); ++i) {
        EXPECT_THAT(log[i], HasSubstr("ZR_DeviceManager")) << "only the manager's release may follow Exit";
    }
}

TEST_F(MainDialogTest, EnterEndsLikeExitWhenNoPushButtonHasTheFocus) {
    AddFrame(L"demo.frame");
    ASSERT_TRUE(Open());
    PressKey(Control(IDC_EDT_XSTART), VK_RETURN);
    EXPECT_EQ(dlg->m_hWnd, nullptr);
    EXPECT_EQ(dlg->m_nModalResult, IDOK);
}

TEST_F(MainDialogTest, ExitWithTextThatDoesNotParseStaysOpenOnThatField) {
    AddFrame(L"demo.frame");
    ASSERT_TRUE(Open());
    ::SetWindowTextW(Control(IDC_EDT_YSTART), L"abc");
    Click(IDC_BTN_EXIT);
    ASSERT_NE(dlg->m_hWnd, nullptr);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"Enter an integer.");
    EXPECT_EQ(::GetFocus(), Control(IDC_EDT_YSTART));
}

TEST_F(MainDialogTest, EscapeClosesEvenWithTextThatDoesNotParse) {
    AddFrame(L"demo.frame");
    ASSERT_TRUE(Open());
    ::SetWindowTextW(Control(IDC_EDT_XSTART), L"abc");
    PressKey(Control(IDC_EDT_XSTART), VK_ESCAPE);
    EXPECT_EQ(dlg->m_hWnd, nullptr);
    EXPECT_EQ(dlg->m_nModalResult, IDCANCEL);
    EXPECT_TRUE(boxes.empty());
}

// Closes the About box once it is up, and notes what the main dialog held then.
struct AboutCloser {
    static CZRAppDlg* s_dialog;
    static int s_seenWithAboutBox;

    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
        if (!s_dialog->m_pAboutDlg || !s_dialog->m_pAboutDlg->m_hWnd) return;
        ++s_seenWithAboutBox;
        wchar_t title[64] = {};
        ::GetWindowTextW(s_dialog->m_pAboutDlg->m_hWnd, title, 64);
        EXPECT_STREQ(title, L"About");
        ::PostMessageW(s_dialog->m_pAboutDlg->m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    }
};
CZRAppDlg* AboutCloser::s_dialog = nullptr;
int AboutCloser::s_seenWithAboutBox = 0;

TEST_F(MainDialogTest, AboutBoxOpensAndClosesTwice) {
    AddFrame(L"demo.frame");
    ASSERT_TRUE(Open());
    AboutCloser::s_dialog = dlg.get();
    AboutCloser::s_seenWithAboutBox = 0;
    UINT_PTR timer = ::SetTimer(nullptr, 0, 20, AboutCloser::OnTimer);

    Click(IDC_BTN_ABOUT);
    EXPECT_EQ(AboutCloser::s_seenWithAboutBox, 1);
    EXPECT_EQ(dlg->m_pAboutDlg, nullptr);
    Click(IDC_BTN_ABOUT);
    EXPECT_EQ(AboutCloser::s_seenWithAboutBox, 2);
    EXPECT_EQ(dlg->m_pAboutDlg, nullptr);

    ::KillTimer(nullptr, timer);
    EXPECT_NE(dlg->m_hWnd, nullptr);
}

TEST_F(MainDialogTest, IconServesTheWindowAndDragging) {
    AddFrame(L"demo.frame");
    ASSERT_TRUE(Open());
    ASSERT_NE(dlg->m_hIcon, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(dlg->m_hWnd, WM_GETICON, ICON_BIG, 0)), dlg->m_hIcon);
    EXPECT_EQ(reinterpret_cast<HICON>(::SendMessageW(dlg->m_hWnd, WM_QUERYDRAGICON, 0, 0)), dlg->m_hIcon);
}

}  // namespace

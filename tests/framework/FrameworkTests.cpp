#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "framework/Framework.h"
#include "tests/framework/TestDialogResource.h"

namespace {

class TestDialog : public CDialog {
public:
    TestDialog() : CDialog(IDD_TEST_DIALOG) {}

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        CSliderCtrl slider(GetDlgItem(IDC_TEST_SLIDER)->m_hWnd);
        slider.SetRange(-100, 100);
        return TRUE;
    }

    int intValue = 0;
    float floatValue = 0;
    int check = 0;
    int radio = 0;
    int slider = 0;
    int list = 0;
    int laterInt = 0;

    int clicks = 0;
    int laterIntChanges = 0;
    int scrolledControl = 0;
    int customDraws = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Text(pDX, IDC_TEST_INT, intValue);
        DDX_Text(pDX, IDC_TEST_FLOAT, floatValue);
        DDX_Check(pDX, IDC_TEST_CHECK, check);
        DDX_Radio(pDX, IDC_TEST_RADIO_FIRST, radio);
        DDX_Slider(pDX, IDC_TEST_SLIDER, slider);
        DDX_CBIndex(pDX, IDC_TEST_LIST, list);
        DDX_Text(pDX, IDC_TEST_LATER_INT, laterInt);
    }

    void OnClick() { ++clicks; }
    void OnLaterIntChange() { ++laterIntChanges; }
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
        scrolledControl = pScrollBar ? pScrollBar->GetDlgCtrlID() : -1;
        CDialog::OnHScroll(nSBCode, nPos, pScrollBar);
    }
    void OnCustomDrawSlider(NMHDR*, LRESULT* pResult) {
        ++customDraws;
        *pResult = CDRF_DODEFAULT;
    }
    void OnThrow() { CFile file(L"Z:\\no such folder\\really\\file.txt", CFile::modeRead); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TestDialog, CDialog)
    ON_BN_CLICKED(IDC_TEST_BUTTON, &TestDialog::OnClick)
    ON_BN_CLICKED(IDC_TEST_THROWING_BUTTON, &TestDialog::OnThrow)
    ON_CONTROL(EN_CHANGE, IDC_TEST_LATER_INT, &TestDialog::OnLaterIntChange)
    ON_WM_HSCROLL()
    ON_NOTIFY(NM_CUSTOMDRAW, IDC_TEST_SLIDER, &TestDialog::OnCustomDrawSlider)
END_MESSAGE_MAP()

// A created dialog with every message box answered OK and recorded.
class FrameworkDialogTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.Create()); }
    void TearDown() override {
        if (dialog.m_hWnd) ::DestroyWindow(dialog.m_hWnd);
    }

    HWND Control(int id) const { return ::GetDlgItem(dialog.m_hWnd, id); }
    void SetText(int id, const wchar_t* text) { ::SetWindowTextW(Control(id), text); }
    std::wstring Text(int id) const { return CWnd(Control(id)).GetWindowText(); }
    static void PumpMessages() {
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    LRESULT Send(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return ::SendMessageW(Control(id), message, wParam, lParam);
    }

    std::vector<MessageBoxRequest> boxes;
    ScopedMessageBoxHook hook{[this](const MessageBoxRequest& request) {
        boxes.push_back(request);
        return IDOK;
    }};
    TestDialog dialog;
};

TEST(DialogNumberText, IntegersParseStrictly) {
    struct Case {
        const wchar_t* text;
        bool ok;
        int value;
    } cases[] = {
        {L"12", true, 12},          {L"  -7\t", true, -7},     {L"+5", true, 5},
        {L"0", true, 0},            {L"-0", true, 0},          {L"2147483647", true, 2147483647},
        {L"-2147483648", true, INT_MIN},
        {L"", false, 0},            {L"   ", false, 0},        {L"abc", false, 0},
        {L"12a", false, 0},         {L"1 2", false, 0},        {L"0x10", false, 0},
        {L"2147483648", false, 0},  {L"99999999999", false, 0}, {L"1.5", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << std::string(c.text, c.text + wcslen(c.text)) << "\"");
        int value = 12345;
        EXPECT_EQ(ParseDialogInteger(c.text, &value), c.ok);
        EXPECT_EQ(value, c.ok ? c.value : 12345);
    }
}

TEST(DialogNumberText, FloatsUseSixSignificantDigitsAndParseStrictly) {
    EXPECT_EQ(FormatDialogFloat(1234.5678f), L"1234.57");
    EXPECT_EQ(FormatDialogFloat(1000.0f), L"1000");
    EXPECT_EQ(FormatDialogFloat(-6554.0f), L"-6554");
    EXPECT_EQ(FormatDialogFloat(0.1f), L"0.1");
    EXPECT_EQ(FormatDialogFloat(12345678.0f), L"1.23457e+07");

    struct Case {
        const wchar_t* text;
        bool ok;
        float value;
    } cases[] = {
        {L"1234.57", true, 1234.57f}, {L" 2.5 ", true, 2.5f}, {L"-3277", true, -3277.0f},
        {L"1e3", true, 1000.0f},      {L".5", true, 0.5f},    {L"-0", true, -0.0f},
        {L"", false, 0},              {L"1,5", false, 0},     {L"12x", false, 0},
        {L"x", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << std::string(c.text, c.text + wcslen(c.text)) << "\"");
        float value = 42.0f;
        EXPECT_EQ(ParseDialogFloat(c.text, &value), c.ok);
        EXPECT_EQ(value, c.ok ? c.value : 42.0f);
    }
}

TEST(CommandLine, TextAfterTheProgramNameIsKeptVerbatim) {
    struct Case {
        const wchar_t* commandLine;
        const wchar_t* tail;
    } cases[] = {
        {L"ZRApp.exe", L""},
        {L"\"C:\\Program Files\\ZRApp.exe\"", L""},
        {L"ZRApp.exe C:\\frames\\demo.frame", L"C:\\frames\\demo.frame"},
        {L"\"C:\\Program Files\\ZRApp.exe\"   \"a path\" more ", L"\"a path\" more "},
        {L"ZRApp.exe \t x", L"x"},
        {L"\"C:\\a b\"c.exe d", L"d"},
    };
    for (const Case& c : cases) {
        EXPECT_STREQ(CommandLineAfterProgramName(c.commandLine), c.tail);
    }
}

TEST_F(FrameworkDialogTest, WritesEveryKindOfControlAndReadsItBack) {
    dialog.intValue = 42;
    dialog.floatValue = 1234.5678f;
    dialog.check = 1;
    dialog.radio = 2;
    dialog.slider = -30;
    dialog.list = 0;
    dialog.laterInt = -5;
    ASSERT_TRUE(dialog.UpdateData(FALSE));

    EXPECT_EQ(Text(IDC_TEST_INT), L"42");
    EXPECT_EQ(Text(IDC_TEST_FLOAT), L"1234.57");
    EXPECT_EQ(Send(IDC_TEST_CHECK, BM_GETCHECK), BST_CHECKED);
    // Index 2 is the third radio button; the check box inside the group does not count.
    EXPECT_EQ(Send(IDC_TEST_RADIO_FIRST, BM_GETCHECK), BST_UNCHECKED);
    EXPECT_EQ(Send(IDC_TEST_CHECK_IN_GROUP, BM_GETCHECK), BST_UNCHECKED);
    EXPECT_EQ(Send(IDC_TEST_RADIO_THIRD, BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(Send(IDC_TEST_SLIDER, TBM_GETPOS), -30);
    EXPECT_EQ(Send(IDC_TEST_LIST, CB_GETCURSEL), 0);

    SetText(IDC_TEST_INT, L" 17 ");
    SetText(IDC_TEST_FLOAT, L"-2.5");
    Send(IDC_TEST_CHECK, BM_SETCHECK, BST_UNCHECKED);
    Send(IDC_TEST_RADIO_THIRD, BM_SETCHECK, BST_UNCHECKED);
    Send(IDC_TEST_RADIO_SECOND, BM_SETCHECK, BST_CHECKED);
    Send(IDC_TEST_CHECK_IN_GROUP, BM_SETCHECK, BST_CHECKED);
    Send(IDC_TEST_SLIDER, TBM_SETPOS, TRUE, 250);  // the slider clamps to 100
    ASSERT_TRUE(dialog.UpdateData(TRUE));

    EXPECT_EQ(dialog.intValue, 17);
    EXPECT_EQ(dialog.floatValue, -2.5f);
    EXPECT_EQ(dialog.check, 0);
    EXPECT_EQ(dialog.radio, 1);
    EXPECT_EQ(dialog.slider, 100);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(FrameworkDialogTest, NothingSelectedReadsAsMinusOne) {
    dialog.radio = 7;  // past the group: no button checked
    dialog.list = -1;
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(Send(IDC_TEST_RADIO_FIRST, BM_GETCHECK), BST_UNCHECKED);

    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.radio, -1);
    EXPECT_EQ(dialog.list, -1);

    // Typing into the list's edit field leaves no item selected.
    Send(IDC_TEST_LIST, CB_SETCURSEL, 0);
    HWND edit = ::FindWindowExW(Control(IDC_TEST_LIST), nullptr, L"Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    ::SendMessageW(edit, WM_CHAR, L'7', 1);
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.list, -1);
}

TEST_F(FrameworkDialogTest, CheckValueOutsideItsStatesIsShownUncheckedAndReset) {
    dialog.check = 5;
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(dialog.check, 0);
    EXPECT_EQ(Send(IDC_TEST_CHECK, BM_GETCHECK), BST_UNCHECKED);
}

TEST_F(FrameworkDialogTest, FailedReadPromptsFocusesAndStops) {
    dialog.floatValue = 3.0f;
    dialog.laterInt = 9;
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    SetText(IDC_TEST_INT, L"abc");
    SetText(IDC_TEST_FLOAT, L"8");
    SetText(IDC_TEST_LATER_INT, L"10");

    EXPECT_FALSE(dialog.UpdateData(TRUE));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, L"Enter an integer.");
    EXPECT_EQ(boxes[0].caption, AfxGetAppName());
    EXPECT_EQ(::GetFocus(), Control(IDC_TEST_INT));
    // The members after the failing control keep their values.
    EXPECT_EQ(dialog.floatValue, 3.0f);
    EXPECT_EQ(dialog.laterInt, 9);

    SetText(IDC_TEST_INT, L"1");
    SetText(IDC_TEST_FLOAT, L"one");
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, L"Enter a number.");
    EXPECT_EQ(dialog.intValue, 1);
}

TEST_F(FrameworkDialogTest, OwnWritesDoNotEchoAsNotifications) {
    SetText(IDC_TEST_LATER_INT, L"3");
    EXPECT_EQ(dialog.laterIntChanges, 1);

    dialog.laterInt = 4;
    dialog.UpdateData(FALSE);
    EXPECT_EQ(Text(IDC_TEST_LATER_INT), L"4");
    EXPECT_EQ(dialog.laterIntChanges, 1);
}

TEST_F(FrameworkDialogTest, ClickReachesItsHandler) {
    Send(IDC_TEST_BUTTON, BM_CLICK);
    EXPECT_EQ(dialog.clicks, 1);
}

TEST_F(FrameworkDialogTest, SliderNotificationsReachTheirHandlers) {
    // A key press scrolls the slider, which names itself in WM_HSCROLL.
    ::SendMessageW(Control(IDC_TEST_SLIDER), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(dialog.scrolledControl, IDC_TEST_SLIDER);

    ::ShowWindow(dialog.m_hWnd, SW_SHOW);
    ::UpdateWindow(dialog.m_hWnd);
    EXPECT_GT(dialog.customDraws, 0);
}

TEST_F(FrameworkDialogTest, InitialListDataIsApplied) {
    ASSERT_EQ(Send(IDC_TEST_LIST, CB_GETCOUNT), 1);
    EXPECT_EQ(CComboBox(Control(IDC_TEST_LIST)).GetLBText(0), L"alpha");
}

TEST_F(FrameworkDialogTest, OkEndsOnlyWhenTheControlsConvert) {
    SetText(IDC_TEST_INT, L"x");
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(::IsWindow(dialog.m_hWnd));
    EXPECT_EQ(boxes.size(), 1u);

    SetText(IDC_TEST_INT, L"2");
    ::SendMessageW(dialog.m_hWnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(dialog.m_nModalResult, IDOK);
    EXPECT_EQ(dialog.intValue, 2);
}

TEST_F(FrameworkDialogTest, CancelEndsWithoutReading) {
    SetText(IDC_TEST_INT, L"x");
    // The close box: the dialog manager turns WM_CLOSE into a posted IDCANCEL.
    ::SendMessageW(dialog.m_hWnd, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_EQ(dialog.m_nModalResult, IDCANCEL);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(FrameworkDialogTest, FileErrorInAHandlerIsReportedAndTheDialogGoesOn) {
    Send(IDC_TEST_THROWING_BUTTON, BM_CLICK);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.find(L"could not be opened"), std::wstring::npos);
    EXPECT_TRUE(::IsWindow(dialog.m_hWnd));
}

TEST_F(FrameworkDialogTest, MessageBoxDefaultsToTheApplicationName) {
    dialog.MessageBox(L"hello");
    dialog.MessageBox(L"with caption", L"Touch");
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, L"framework_tests");
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(boxes[1].caption, L"Touch");
}

TEST(FileDialog, HookAnswersInsteadOfThePerson) {
    FileDialogRequest seen = {};
    ScopedFileDialogHook hook([&](const FileDialogRequest& request) {
        seen = request;
        return FileDialogAnswer{IDOK, L"C:\\chosen\\panel.zrcalib"};
    });
    CFileDialog dialog(FALSE, L"zrcalib", nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, L"Calibration (*.zrcalib)|*.zrcalib||");
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), L"C:\\chosen\\panel.zrcalib");
    EXPECT_FALSE(seen.open);
    EXPECT_EQ(seen.defaultExtension, L"zrcalib");
    EXPECT_EQ(seen.filter, L"Calibration (*.zrcalib)|*.zrcalib||");
}

}  // namespace

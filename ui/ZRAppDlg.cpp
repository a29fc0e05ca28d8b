#include "ui/ZRAppDlg.h"

#include <algorithm>
#include <iterator>

#include "ui/AboutDlg.h"
#include "ui/SliderRanges.h"
#include "ui/resources/resource.h"

namespace {
// The program's one dialog font, kept for the whole process.
CFont& DialogFont() {
    static CFont font;
    if (!font.GetSafeHandle()) font.CreatePointFont(95, L"Arial");
    return font;
}

// Sliders and the "<<"/">>" step buttons keep the template font.
constexpr int kTemplateFontControls[] = {
    IDC_SLD_TOUCH_HEIGHT, IDC_SLD_TOUCH_SMOOTH, IDC_SLD_TOUCH_DELAY, IDC_SLD_RIGHT_CLICK_TIME,
    IDC_SLD_RIGHT_CLICK_AREA, IDC_SLD_TOUCH_JITTER, IDC_SLD_XZOOM, IDC_SLD_DBLCLK_RANGE,
    IDC_SLD_DBLCLK_SPEED, IDC_SLD_YZOOM, IDC_SLD_XYFACTOR, IDC_SLD_YOFFSET,
    IDC_SLD_XOFFSET, IDC_SLD_YXFACTOR,
    IDC_BTN_XZOOM_INC, IDC_BTN_XOFFSET_INC, IDC_BTN_YZOOM_INC, IDC_BTN_YOFFSET_INC,
    IDC_BTN_XZOOM_DEC, IDC_BTN_XOFFSET_DEC, IDC_BTN_YZOOM_DEC, IDC_BTN_YOFFSET_DEC,
    IDC_BTN_XYFACTOR_INC, IDC_BTN_YXFACTOR_INC, IDC_BTN_XYFACTOR_DEC, IDC_BTN_YXFACTOR_DEC,
};

bool KeepsTemplateFont(int controlId) {
    return std::find(std::begin(kTemplateFontControls), std::end(kTemplateFontControls), controlId) !=
           std::end(kTemplateFontControls);
}
}  // namespace

CZRAppDlg::CZRAppDlg(CWnd* pParent)
    : CDialogEx(IDD_ZRAPP_DIALOG, pParent),
      m_hIcon(::LoadIconW(AfxGetResourceHandle(), MAKEINTRESOURCEW(IDR_MAINFRAME))) {}

CZRAppDlg::~CZRAppDlg() = default;

void CZRAppDlg::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_CHK_ENABLE_TOUCH, m_bEnableTouch);
    DDX_Slider(pDX, IDC_SLD_TOUCH_HEIGHT, m_nTouchHeight);
    DDX_Slider(pDX, IDC_SLD_TOUCH_SMOOTH, m_nTouchSmooth);
    DDX_Slider(pDX, IDC_SLD_TOUCH_DELAY, m_nTouchDelay);
    DDX_Check(pDX, IDC_CHK_ENABLE_RIGHT_CLICK, m_bEnableRightClick);
    DDX_Slider(pDX, IDC_SLD_RIGHT_CLICK_TIME, m_nRightClickTime);
    DDX_Slider(pDX, IDC_SLD_RIGHT_CLICK_AREA, m_nRightClickArea);
    DDX_Text(pDX, IDC_STC_TOUCH_HEIGHT_VALUE, m_nTouchHeightText);
    DDX_Text(pDX, IDC_STC_TOUCH_SMOOTH_VALUE, m_nTouchSmoothText);
    DDX_Text(pDX, IDC_STC_TOUCH_DELAY_VALUE, m_nTouchDelayText);
    DDX_Text(pDX, IDC_STC_RIGHT_CLICK_AREA_VALUE, m_nRightClickAreaText);
    DDX_Text(pDX, IDC_STC_RIGHT_CLICK_TIME_VALUE, m_nRightClickTimeText);
    DDX_Slider(pDX, IDC_SLD_DBLCLK_RANGE, m_nDblClkRange);
    DDX_Slider(pDX, IDC_SLD_DBLCLK_SPEED, m_nDblClkSpeed);
    DDX_Text(pDX, IDC_STC_DBLCLK_SPEED_VALUE, m_nDblClkSpeedText);
    DDX_Text(pDX, IDC_STC_DBLCLK_RANGE_VALUE, m_nDblClkRangeText);
    DDX_Radio(pDX, IDC_RAD_DOWN_CLICK_MODE, m_nTouchMode);
    DDX_Slider(pDX, IDC_SLD_TOUCH_JITTER, m_nTouchJitter);
    DDX_Text(pDX, IDC_STC_TOUCH_JITTER_VALUE, m_nTouchJitterText);
    DDX_Radio(pDX, IDC_RAD_DEVICE_NORMAL, m_nDeviceType);
    DDX_Check(pDX, IDC_CHK_TOUCHED_BORDER, m_bTouchedBorder);
    DDX_Check(pDX, IDC_CHK_HOTKEY_ENABLE, m_bHotkeyEnable);
    DDX_CBIndex(pDX, IDC_CMB_COM_PROTOCOL, m_nComProtocol);
    DDX_Slider(pDX, IDC_SLD_XZOOM, m_nXZoom);
    DDX_Slider(pDX, IDC_SLD_XYFACTOR, m_nXYFactor);
    DDX_Slider(pDX, IDC_SLD_XOFFSET, m_nXOffset);
    DDX_Slider(pDX, IDC_SLD_YZOOM, m_nYZoom);
    DDX_Slider(pDX, IDC_SLD_YXFACTOR, m_nYXFactor);
    DDX_Slider(pDX, IDC_SLD_YOFFSET, m_nYOffset);
    DDX_Text(pDX, IDC_STC_XZOOM_VALUE, m_fXZoom);
    DDX_Text(pDX, IDC_STC_XYFACTOR_VALUE, m_fXYFactor);
    DDX_Text(pDX, IDC_STC_XOFFSET_VALUE, m_fXOffset);
    DDX_Text(pDX, IDC_STC_YZOOM_VALUE, m_fYZoom);
    DDX_Text(pDX, IDC_STC_YXFACTOR_VALUE, m_fYXFactor);
    DDX_Text(pDX, IDC_STC_YOFFSET_VALUE, m_fYOffset);
    DDX_Radio(pDX, IDC_RAD_ROTATE_0, m_nRotate);
    DDX_CBIndex(pDX, IDC_CMB_XFACTOR, m_nXFactor);
    DDX_CBIndex(pDX, IDC_CMB_YFACTOR, m_nYFactor);
    DDX_Text(pDX, IDC_EDT_XSTART, m_nXStart);
    DDX_Text(pDX, IDC_EDT_XEND, m_nXEnd);
    DDX_Text(pDX, IDC_EDT_YSTART, m_nYStart);
    DDX_Text(pDX, IDC_EDT_YEND, m_nYEnd);
    DDX_CBIndex(pDX, IDC_CMB_SIGNAL_SOURCE_ID, m_nSignalSourceId);
    DDX_CBIndex(pDX, IDC_CMB_XMAXANGLE, m_nXMaxAngle);
    DDX_CBIndex(pDX, IDC_CMB_YMAXANGLE, m_nYMaxAngle);
    DDX_CBIndex(pDX, IDC_CMB_XMINLNUM1, m_nXMinLNum1);
    DDX_CBIndex(pDX, IDC_CMB_YMINLNUM1, m_nYMinLNum1);
    DDX_Check(pDX, IDC_CHK_HIGH_ON_WEAK_SIGNAL, m_bHighOnWeakSignal);
    DDX_Radio(pDX, IDC_RAD_LOGIC_GROUP1_OR, m_nLogicGroup1);
    DDX_Radio(pDX, IDC_RAD_LOGIC_GROUP2_OR, m_nLogicGroup2);
    DDX_CBIndex(pDX, IDC_CMB_XMINLNUM2, m_nXMinLNum2);
    DDX_CBIndex(pDX, IDC_CMB_YMINLNUM2, m_nYMinLNum2);
    DDX_Check(pDX, IDC_CHK_NO_RESET_ON_USB_TIMEOUT, m_bNoResetOnUsbTimeout);
    DDX_CBIndex(pDX, IDC_CMB_WIDTH_ZOOM_OUT, m_nWidthZoomOut);
}

BEGIN_MESSAGE_MAP(CZRAppDlg, CDialogEx)
    ON_WM_PAINT()
    ON_WM_QUERYDRAGICON()
    ON_BN_CLICKED(IDC_BTN_ABOUT, &CZRAppDlg::OnBnClickedAbout)
    ON_BN_CLICKED(IDC_BTN_EXIT, &CZRAppDlg::OnBnClickedExit)
    ON_WM_NCCALCSIZE()
    ON_WM_DESTROY()
    ON_CONTROL(0, IDC_GRP_DOUBLE_CLICK, &CZRAppDlg::OnIgnoredNotification)
    ON_CONTROL(0, IDC_CHK_TOUCHED_BORDER, &CZRAppDlg::OnIgnoredNotification)
    ON_CONTROL(0, IDC_RAD_CALIBR, &CZRAppDlg::OnIgnoredNotification)
    ON_CONTROL(0, IDC_STC_XYFACTOR_VALUE, &CZRAppDlg::OnIgnoredNotification)
    ON_CONTROL(0, IDC_STC_YXFACTOR_VALUE, &CZRAppDlg::OnIgnoredNotification)
    ON_CONTROL(0, IDC_STC_XYFACTOR, &CZRAppDlg::OnIgnoredNotification)
    ON_CONTROL(0, IDC_STC_XEND, &CZRAppDlg::OnIgnoredNotification)
    ON_CONTROL(0, IDC_STC_XMINLNUM1, &CZRAppDlg::OnIgnoredNotification)
    ON_CBN_SELCHANGE(IDC_CMB_COM_PROTOCOL, &CZRAppDlg::OnIgnoredNotification)
    ON_CBN_SELCHANGE(IDC_CMB_XFACTOR, &CZRAppDlg::OnIgnoredNotification)
    ON_CBN_SELCHANGE(IDC_CMB_YMINLNUM1, &CZRAppDlg::OnIgnoredNotification)
END_MESSAGE_MAP()

BOOL CZRAppDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();

    SetIcon(m_hIcon, TRUE);
    SetIcon(m_hIcon, FALSE);

    m_pDeviceManager = new ZR_DeviceManager();

    CFont& font = DialogFont();
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild; hChild = ::GetWindow(hChild, GW_HWNDNEXT)) {
        if (!KeepsTemplateFont(::GetDlgCtrlID(hChild))) {
            ::SendMessageW(hChild, WM_SETFONT, reinterpret_cast<WPARAM>(font.GetSafeHandle()), TRUE);
        }
    }

    LoadCaptions();

    for (const SliderRange& range : kSliderRanges) {
        CSliderCtrl slider(GetDlgItem(range.controlId)->m_hWnd);
        slider.SetRange(range.min, range.max, FALSE);
        slider.SetTicFreq(range.ticFreq);
    }

    if (InitDevice()) return TRUE;
    // InitDevice has told the person why; the dialog ends as Exit would end it.
    OnOK();
    return FALSE;
}

void CZRAppDlg::OnPaint() {
    if (!IsIconic()) {
        CDialogEx::OnPaint();
        return;
    }
    CPaintDC dc(this);
    SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.GetSafeHdc()), 0);
    int cxIcon = ::GetSystemMetrics(SM_CXICON);
    int cyIcon = ::GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(&rect);
    int x = (rect.right - rect.left - cxIcon + 1) / 2;
    int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CZRAppDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

void CZRAppDlg::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp) {
    CDialogEx::OnNcCalcSize(bCalcValidRects, lpncsp);
}

void CZRAppDlg::OnDestroy() {
    CDialogEx::OnDestroy();
    // The device manager's destructor releases whatever device is still open.
    delete m_pDeviceManager;
    m_pDeviceManager = nullptr;
}

void CZRAppDlg::OnBnClickedAbout() {
    m_pAboutDlg = new CDiglogAbout();
    m_pAboutDlg->DoModal();
    delete m_pAboutDlg;
    m_pAboutDlg = nullptr;
}

void CZRAppDlg::OnBnClickedExit() { OnOK(); }

void CZRAppDlg::OnIgnoredNotification() {}

// Captions and list contents of the main dialog. The string table of the
// person's interface language replaces the template's texts; a string the
// table lacks leaves the template's text in place.
#include <string>

#include "ui/ZRAppDlg.h"
#include "ui/resources/resource.h"

namespace {
struct Caption {
    UINT stringId;
    int controlId;
};

constexpr Caption kTouchCaptions[] = {
    {IDS_TOUCH_PARAM, IDC_GRP_TOUCH_PARAM},
    {IDS_ENABLE_TOUCH, IDC_CHK_ENABLE_TOUCH},
    {IDS_TOUCH_MODE, IDC_RAD_TOUCH_MODE},
    {IDS_UP_CLICK_MODE, IDC_RAD_UP_CLICK_MODE},
    {IDS_DOWN_CLICK_MODE, IDC_RAD_DOWN_CLICK_MODE},
    {IDS_TOUCH_HEIGHT, IDC_STC_TOUCH_HEIGHT},
    {IDS_TOUCH_SMOOTH, IDC_STC_TOUCH_SMOOTH},
    {IDS_TOUCH_DELAY, IDC_STC_TOUCH_DELAY},
    {IDS_RIGHT_CLICK_PARAM, IDC_GRP_RIGHT_CLICK},
    {IDS_ENABLE_RIGHT_CLICK, IDC_CHK_ENABLE_RIGHT_CLICK},
    {IDS_RIGHT_CLICK_TIME, IDC_STC_RIGHT_CLICK_TIME},
    {IDS_RIGHT_CLICK_AREA, IDC_STC_RIGHT_CLICK_AREA},
    {IDS_DOUBLE_CLICK_SETTING, IDC_GRP_DOUBLE_CLICK},
    {IDS_DBLCLK_RANGE, IDC_STC_DBLCLK_RANGE},
    {IDS_DBLCLK_SPEED, IDC_STC_DBLCLK_SPEED},
    {IDS_ABOUT, IDC_BTN_ABOUT},
    {IDS_CORNER_CALIB, IDC_BTN_CORNER_CALIB},
    {IDS_CALIB_RESET, IDC_BTN_CALIB_RESET},
    {IDS_APPLY, IDC_BTN_APPLY},
    {IDS_EXIT, IDC_BTN_EXIT},
    {IDS_MOUSE_MODE, IDC_RAD_MOUSE_MODE},
    {IDS_TOUCHED_BORDER, IDC_CHK_TOUCHED_BORDER},
    {IDS_DEVICE_NORMAL, IDC_RAD_DEVICE_NORMAL},
    {IDS_DEVICE_HIGH_SPEED, IDC_RAD_DEVICE_HIGH_SPEED},
    {IDS_SINGLE_TOUCH_MODE, IDC_RAD_SINGLE_TOUCH_MODE},
    {IDS_CALIBRATION, IDC_GRP_CALIBRATION},
    {IDS_COM_PROTOCOL, IDC_STC_COM_PROTOCOL},
};

constexpr UINT kProtocolNames[] = {
    IDS_PROTOCOL_XUANZHI,          IDS_PROTOCOL_IRTOUCH_SINGLE,     IDS_PROTOCOL_BAOSHIDA, IDS_PROTOCOL_KAIJIADA,
    IDS_PROTOCOL_STATIC_SPLITTING, IDS_PROTOCOL_DYNAMIC_SPLITTING, IDS_PROTOCOL_LBST,     IDS_PROTOCOL_HOWEASY,
};

constexpr Caption kCalibrationCaptions[] = {
    {IDS_HOTKEY_ENABLE, IDC_CHK_HOTKEY_ENABLE},
    {IDS_EXPORT_CALIB, IDC_BTN_EXPORT_CALIB},
    {IDS_IMPORT_CALIB, IDC_BTN_IMPORT_CALIB},
    {IDS_XZOOM, IDC_STC_XZOOM},
    {IDS_YZOOM, IDC_STC_YZOOM},
    {IDS_XOFFSET, IDC_STC_XOFFSET},
    {IDS_YOFFSET, IDC_STC_YOFFSET},
    {IDS_TOUCH_JITTER, IDC_STC_TOUCH_JITTER},
    {IDS_DEVICE_TYPE, IDC_GRP_DEVICE_TYPE},
    {IDS_DOUBLE_CLICK_OPTIMIZE, IDC_BTN_DOUBLE_CLICK_OPTIMIZE},
    {IDS_PEN_AND_TOUCH, IDC_BTN_PEN_AND_TOUCH},
    {IDS_TABLET_PC, IDC_BTN_TABLET_PC},
    {IDS_ROTATE_0, IDC_RAD_ROTATE_0},
    {IDS_ROTATE_90, IDC_RAD_ROTATE_90},
    {IDS_ROTATE_180, IDC_RAD_ROTATE_180},
    {IDS_ROTATE_270, IDC_RAD_ROTATE_270},
    {IDS_MIRROR_X, IDC_RAD_MIRROR_X},
    {IDS_MIRROR_Y, IDC_RAD_MIRROR_Y},
    {IDS_CALIBR, IDC_RAD_CALIBR},
    {IDS_XYFACTOR, IDC_STC_XYFACTOR},
    {IDS_YXFACTOR, IDC_STC_YXFACTOR},
    {IDS_XSTART, IDC_STC_XSTART},
    {IDS_XEND, IDC_STC_XEND},
    {IDS_YSTART, IDC_STC_YSTART},
    {IDS_YEND, IDC_STC_YEND},
    {IDS_XFACTOR, IDC_STC_XFACTOR},
    {IDS_YFACTOR, IDC_STC_YFACTOR},
};

constexpr Caption kSignalCaptions[] = {
    {IDS_NO_RESET_ON_USB_TIMEOUT, IDC_CHK_NO_RESET_ON_USB_TIMEOUT},
    {IDS_LOGIC_GROUP1, IDC_GRP_LOGIC_GROUP1},
    {IDS_LOGIC_GROUP2, IDC_GRP_LOGIC_GROUP2},
    {IDS_WIDTH_ZOOM_OUT, IDC_STC_WIDTH_ZOOM_OUT},
};

constexpr Caption kListCaptions[] = {
    {IDS_SIGNAL_SOURCE_ID, IDC_STC_SIGNAL_SOURCE_ID},
    {IDS_XMAXANGLE, IDC_STC_XMAXANGLE},
    {IDS_YMAXANGLE, IDC_STC_YMAXANGLE},
    {IDS_XMINLNUM, IDC_STC_XMINLNUM1},
    {IDS_YMINLNUM, IDC_STC_YMINLNUM1},
    {IDS_XMINLNUM, IDC_STC_XMINLNUM2},
    {IDS_YMINLNUM, IDC_STC_YMINLNUM2},
    {IDS_HIGH_ON_WEAK_SIGNAL, IDC_CHK_HIGH_ON_WEAK_SIGNAL},
    {IDS_LOGIC_OR, IDC_RAD_LOGIC_GROUP1_OR},
    {IDS_LOGIC_AND, IDC_RAD_LOGIC_GROUP1_AND},
    {IDS_LOGIC_OR, IDC_RAD_LOGIC_GROUP2_OR},
    {IDS_LOGIC_AND, IDC_RAD_LOGIC_GROUP2_AND},
    {IDS_IMPORT_COORD, IDC_BTN_IMPORT_COORD},
    {IDS_EXPORT_COORD, IDC_BTN_EXPORT_COORD},
};

// The string in the interface language; false when the table lacks it.
bool LoadResourceString(UINT stringId, std::wstring* text) {
    wchar_t buffer[260];
    int length = ::LoadStringW(::GetModuleHandleW(nullptr), stringId, buffer, 260);
    if (length <= 0) return false;
    text->assign(buffer, static_cast<size_t>(length));
    return true;
}

template <size_t N>
void SetCaptions(CWnd& dialog, const Caption (&captions)[N]) {
    std::wstring text;
    for (const Caption& caption : captions) {
        if (LoadResourceString(caption.stringId, &text)) ::SetDlgItemTextW(dialog.m_hWnd, caption.controlId, text.c_str());
    }
}

// Items go in at the index of their number, so the numbers stay in order
// although the lists sort what is added without an index.
void InsertNumber(CWnd& dialog, int controlId, int number) {
    CComboBox(::GetDlgItem(dialog.m_hWnd, controlId)).InsertString(number, std::to_wstring(number).c_str());
}
}  // namespace

void CZRAppDlg::LoadCaptions() {
    std::wstring text;
    if (LoadResourceString(IDS_APP_TITLE, &text)) SetWindowText(text.c_str());

    SetCaptions(*this, kTouchCaptions);

    CComboBox protocols(::GetDlgItem(m_hWnd, IDC_CMB_COM_PROTOCOL));
    for (int i = 0; i < 8; ++i) {
        if (LoadResourceString(kProtocolNames[i], &text)) protocols.InsertString(i, text.c_str());
    }

    SetCaptions(*this, kCalibrationCaptions);

    for (int i = 0; i < 8; ++i) {
        InsertNumber(*this, IDC_CMB_XFACTOR, i);
        InsertNumber(*this, IDC_CMB_YFACTOR, i);
    }

    SetCaptions(*this, kSignalCaptions);

    for (int i = 0; i < 255; ++i) InsertNumber(*this, IDC_CMB_SIGNAL_SOURCE_ID, i);
    // The X angle list already holds the template's "100", which ends up last.
    for (int i = 0; i < 255; ++i) {
        InsertNumber(*this, IDC_CMB_XMAXANGLE, i);
        InsertNumber(*this, IDC_CMB_YMAXANGLE, i);
        InsertNumber(*this, IDC_CMB_WIDTH_ZOOM_OUT, i);
    }
    for (int i = 0; i < 64; ++i) {
        InsertNumber(*this, IDC_CMB_XMINLNUM1, i);
        InsertNumber(*this, IDC_CMB_YMINLNUM1, i);
        InsertNumber(*this, IDC_CMB_XMINLNUM2, i);
        InsertNumber(*this, IDC_CMB_YMINLNUM2, i);
    }

    SetCaptions(*this, kListCaptions);
}

// The main dialog: the one window of the program. It owns the device manager,
// the records exchanged with the touch frame and one member per bound control.
// Its operations live with their subsystem: start-up and discovery in
// device/, captions and lists here in ui/.
#pragma once

#include "device/DeviceLibrary.h"
#include "framework/Framework.h"

class CDiglogAbout;

class CZRAppDlg : public CDialogEx {
public:
    explicit CZRAppDlg(CWnd* pParent = nullptr);
    ~CZRAppDlg() override;

    // Members in declaration order. The exchange routine and control of each
    // bound member are in DoDataExchange.
    HICON m_hIcon;
    _ZR_DEVICE_INFO m_DeviceInfo = {};
    _ZR_DEVICE_CONFIG m_DeviceConfig = {};
    _ZR_CALIB_PARAM_HD m_CalibrHd = {};
    int m_nSysDblClkRange = 0;
    int m_nSysDblClkSpeed = 0;
    int m_bEnableTouch = 0;
    int m_nTouchHeight = 0;
    int m_nTouchSmooth = 0;
    int m_nTouchDelay = 0;
    int m_nTouchJitter = 0;
    int m_bEnableRightClick = 0;
    int m_nRightClickTime = 0;
    int m_nRightClickArea = 0;
    int m_nTouchHeightText = 0;
    int m_nTouchSmoothText = 0;
    ZR_DeviceManager* m_pDeviceManager = nullptr;  // owned: created in OnInitDialog, deleted in OnDestroy
    CDiglogAbout* m_pAboutDlg = nullptr;           // the About box while it is shown
    int m_nTouchDelayText = 0;
    int m_nRightClickAreaText = 0;
    int m_nRightClickTimeText = 0;
    int m_nDblClkRange = 0;
    int m_nDblClkSpeed = 0;
    int m_nDblClkSpeedText = 0;
    int m_nDblClkRangeText = 0;
    int m_nTouchMode = 0;
    int m_nTouchJitterText = 0;
    int m_nDeviceType = 0;
    int m_bTouchedBorder = 0;
    int m_bHotkeyEnable = 0;
    int m_nComProtocol = 0;
    int m_nXOffset = 0;
    int m_nXZoom = 0;
    int m_nYZoom = 0;
    int m_nYOffset = 0;
    int m_nXYFactor = 0;
    float m_fXZoom = 0;
    float m_fXOffset = 0;
    float m_fYZoom = 0;
    float m_fYOffset = 0;
    float m_fYXFactor = 0;
    float m_fXYFactor = 0;
    int m_nRotate = 0;
    int m_nXFactor = 0;
    int m_nYFactor = 0;
    int m_nXStart = 0;
    int m_nXEnd = 0;
    int m_nYStart = 0;
    int m_nYEnd = 0;
    int m_nYXFactor = 0;
    int m_nSignalSourceId = 0;
    int m_nXMaxAngle = 0;
    int m_nYMaxAngle = 0;
    int m_nXMinLNum1 = 0;
    int m_nYMinLNum1 = 0;
    int m_bHighOnWeakSignal = 0;
    int m_nLogicGroup1 = 0;
    int m_nLogicGroup2 = 0;
    int m_nXMinLNum2 = 0;
    int m_nYMinLNum2 = 0;
    int m_bNoResetOnUsbTimeout = 0;
    int m_nWidthZoomOut = 0;

    // Start-up: finds the one touch frame, opens it and reads it into the
    // members. FALSE (after telling the person) when there is none or more
    // than one; the dialog then ends.
    BOOL InitDevice();
    // Puts the string-table captions of the interface language and the list
    // contents in place.
    void LoadCaptions();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    void OnDestroy();
    void OnBnClickedAbout();
    void OnBnClickedExit();
    // Bound to notifications the dialog takes but does nothing with.
    void OnIgnoredNotification();

    DECLARE_MESSAGE_MAP()
};

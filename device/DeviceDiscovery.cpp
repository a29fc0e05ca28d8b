// Finding the touch frame at start-up. The path found here is the one every
// later device operation opens again.
#include <cstring>

#include "device/DevicePath.h"
#include "ui/ZRAppDlg.h"

namespace {
// What the device library is asked to enumerate; the values are its own.
constexpr int kEnumSelect1 = 10317;
constexpr int kEnumSelect2 = 3;
constexpr int kEnumSelect3 = 254;
constexpr int kEnumSelect4 = 253;
}  // namespace

BOOL CZRAppDlg::InitDevice() {
    std::memset(&m_DeviceInfo, 0, sizeof(m_DeviceInfo));

    // The command line may name the device; too long a text names none.
    const CWinApp* app = AfxGetApp();
    CopyDevicePath(app && app->m_lpCmdLine ? app->m_lpCmdLine : L"", m_DeviceInfo.m_szDevicePath);

    if (m_pDeviceManager->OpenDevice(m_DeviceInfo.m_szDevicePath)) {
        m_DeviceInfo.m_nDeviceCount = 1;
    } else {
        ZR_DeviceManager::EnumDevice(kEnumSelect1, kEnumSelect2, kEnumSelect3, kEnumSelect4, &m_DeviceInfo);
    }

    if (m_DeviceInfo.m_nDeviceCount == 1) {
        m_pDeviceManager->OpenDevice(m_DeviceInfo.m_szDevicePath);
        std::memset(&m_DeviceConfig, 0, sizeof(m_DeviceConfig));
        if (m_pDeviceManager->GetDriverConfig(&m_DeviceConfig)) {
            UpdateData(FALSE);
        }
        // The device stays open until the first operation that closes it.
        return TRUE;
    }

    MessageBox(m_DeviceInfo.m_nDeviceCount > 1 ? L"More Than One TouchScreen Connect The Host"
                                               : L"No Any TouchScreen Connect The Host");
    return FALSE;
}

// The touch-device libraries as the control panel sees them: SDK.dll with its
// class ZR_DeviceManager, and ZRCalib.dll with StartCalibratePair.
//
// This header is written from the places the panel calls them. The records
// keep the byte layouts the libraries were built with; the static_asserts
// below hold every size and every offset the panel relies on, so a change
// that would make the panel and a library disagree does not compile.
#pragma once

#include <cstddef>
#include <cstdint>

#ifdef ZR_BUILDING_SDK
#define ZR_SDK_API __declspec(dllexport)
#else
#define ZR_SDK_API __declspec(dllimport)
#endif

#ifdef ZR_BUILDING_CALIB
#define ZR_CALIB_API __declspec(dllexport)
#else
#define ZR_CALIB_API __declspec(dllimport)
#endif

static_assert(sizeof(wchar_t) == 2, "device paths are UTF-16");

// Device discovery: what EnumDevice found. Only the path, the second path and
// the count are the panel's business; the rest of the record is the library's.
struct _ZR_DEVICE_INFO {
    wchar_t m_szDevicePath[2080];  // NUL-terminated; the argument of every OpenDevice
    wchar_t PairPath[6240];        // NUL-terminated; handed to the corner calibration
    int32_t m_nDeviceCount;        // devices found; the panel works only with exactly 1
    int32_t Reserved;
};
static_assert(sizeof(_ZR_DEVICE_INFO) == 16648, "device info record size");
static_assert(offsetof(_ZR_DEVICE_INFO, m_szDevicePath) == 0, "device path offset");
static_assert(offsetof(_ZR_DEVICE_INFO, PairPath) == 4160, "pair path offset");
static_assert(offsetof(_ZR_DEVICE_INFO, m_nDeviceCount) == 16640, "device count offset");

// Number of UTF-16 units, terminating NUL included, that fit in the path field.
constexpr std::size_t kDevicePathCapacity = sizeof(_ZR_DEVICE_INFO::m_szDevicePath) / sizeof(wchar_t);

// The driver configuration, packed: its 32-bit fields are not aligned.
// SignalCheckSum guards the signal-processing block, bytes 29 to 38.
#pragma pack(push, 1)
struct _ZR_DEVICE_CONFIG {
    uint8_t EnableTouch;
    uint8_t TouchMode;
    uint8_t EnableRightClick;
    uint8_t Byte3;
    uint8_t Byte4;
    uint8_t TouchSmooth;
    int32_t RightClickTime;
    int32_t RightClickArea;
    int32_t TouchDelay;
    int32_t TouchJitter;
    uint16_t TouchHeight;
    uint8_t DeviceType;
    uint8_t TouchedBorder;
    uint8_t ComProtocol;
    uint8_t HotkeyEnable;
    uint8_t SignalCheckSum;
    uint8_t XFactor;
    uint8_t YFactor;
    uint16_t XStart;
    uint16_t XEnd;
    uint16_t YStart;
    uint16_t YEnd;
    uint8_t Byte39;
    uint8_t SignalSourceId;
    uint8_t HighOnWeakSignal;
    uint8_t NoResetOnUsbTimeout;
    uint8_t XMaxAngle;
    uint8_t YMaxAngle;
    uint8_t XMinLNum1;
    uint8_t YMinLNum1;
    uint8_t XMinLNum2;
    uint8_t YMinLNum2;
    uint8_t LogicGroup1;
    uint8_t LogicGroup2;
    uint8_t WidthZoomOut;
    uint8_t Bytes52[2];
};
#pragma pack(pop)
static_assert(sizeof(_ZR_DEVICE_CONFIG) == 54, "driver configuration size");
static_assert(offsetof(_ZR_DEVICE_CONFIG, TouchSmooth) == 5, "TouchSmooth offset");
static_assert(offsetof(_ZR_DEVICE_CONFIG, RightClickTime) == 6, "RightClickTime offset");
static_assert(offsetof(_ZR_DEVICE_CONFIG, RightClickArea) == 10, "RightClickArea offset");
static_assert(offsetof(_ZR_DEVICE_CONFIG, TouchDelay) == 14, "TouchDelay offset");
static_assert(offsetof(_ZR_DEVICE_CONFIG, TouchJitter) == 18, "TouchJitter offset");
static_assert(offsetof(_ZR_DEVICE_CONFIG, TouchHeight) == 22, "TouchHeight offset");
static_assert(offsetof(_ZR_DEVICE_CONFIG, DeviceType) == 24, "DeviceType offset");
static_assert(offsetof(_ZR_DEVICE_CONFIG, SignalCheckSum) == 28, "SignalCheckSum offset");
static_assert(offsetof(_ZR_DEVICE_CONFIG, XFactor) == 29, "XFactor offset");
static_assert(offsetof(_ZR_DEVICE_CONFIG, XStart) == 31, "XStart offset");
static_assert(offsetof(_ZR_DEVICE_CONFIG, YEnd) == 37, "YEnd offset");
static_assert(offsetof(_ZR_DEVICE_CONFIG, Byte39) == 39, "Byte39 offset");
static_assert(offsetof(_ZR_DEVICE_CONFIG, XMaxAngle) == 43, "XMaxAngle offset");
static_assert(offsetof(_ZR_DEVICE_CONFIG, LogicGroup1) == 49, "LogicGroup1 offset");
static_assert(offsetof(_ZR_DEVICE_CONFIG, WidthZoomOut) == 51, "WidthZoomOut offset");
static_assert(offsetof(_ZR_DEVICE_CONFIG, Bytes52) == 52, "Bytes52 offset");

// The hardware calibration: a record kind and eight coefficients.
struct _ZR_CALIB_ST {
    float A0;  // X axis, X component
    float B0;  // X axis, Y component
    float C0;  // X offset
    float A1;  // Y axis, X component
    float B1;  // Y axis, Y component
    float C1;  // Y offset
    float A2;
    float B2;
};
struct _ZR_CALIB_PARAM_HD {
    int32_t Type;  // the panel accepts and sends only 1
    _ZR_CALIB_ST CaliSt;
};
static_assert(sizeof(_ZR_CALIB_PARAM_HD) == 36, "calibration record size");
static_assert(offsetof(_ZR_CALIB_PARAM_HD, CaliSt) == 4, "CaliSt offset");
static_assert(offsetof(_ZR_CALIB_PARAM_HD, CaliSt) + offsetof(_ZR_CALIB_ST, B2) == 32, "B2 offset");

// The LED geometry the frame keeps in flash. DataLen counts the bytes from
// offset 3 that CheckSum sums; the frame checks both when it is read.
struct TOUCH_POINT_F {
    float X;
    float Y;
};
struct TOUCH_CONFIG_INFLASH_STRUCT {
    uint16_t DataLen;
    uint8_t CheckSum;
    uint8_t Type;
    int32_t X_OpeningArea;
    int32_t Y_OpeningArea;
    uint16_t XTotal;
    uint16_t YTotal;
    float LedXdis;
    float LedYdis;
    int16_t AA_StartX;
    int16_t AA_StartY;
    int16_t AA_EndX;
    int16_t AA_EndY;
    int32_t resver[8];
    TOUCH_POINT_F fBFirstLedPos;
    TOUCH_POINT_F fTFirstLedPos;
    TOUCH_POINT_F fLFirstLedPos;
    TOUCH_POINT_F fRFirstLedPos;
    float LightDis[1000];  // XTotal X distances, then YTotal Y distances
};
static_assert(sizeof(TOUCH_CONFIG_INFLASH_STRUCT) == 4096, "geometry record size");
static_assert(offsetof(TOUCH_CONFIG_INFLASH_STRUCT, CheckSum) == 2, "CheckSum offset");
static_assert(offsetof(TOUCH_CONFIG_INFLASH_STRUCT, Type) == 3, "Type offset");
static_assert(offsetof(TOUCH_CONFIG_INFLASH_STRUCT, X_OpeningArea) == 4, "X_OpeningArea offset");
static_assert(offsetof(TOUCH_CONFIG_INFLASH_STRUCT, XTotal) == 12, "XTotal offset");
static_assert(offsetof(TOUCH_CONFIG_INFLASH_STRUCT, YTotal) == 14, "YTotal offset");
static_assert(offsetof(TOUCH_CONFIG_INFLASH_STRUCT, LedXdis) == 16, "LedXdis offset");
static_assert(offsetof(TOUCH_CONFIG_INFLASH_STRUCT, AA_StartX) == 24, "AA_StartX offset");
static_assert(offsetof(TOUCH_CONFIG_INFLASH_STRUCT, AA_EndY) == 30, "AA_EndY offset");
static_assert(offsetof(TOUCH_CONFIG_INFLASH_STRUCT, resver) == 32, "resver offset");
static_assert(offsetof(TOUCH_CONFIG_INFLASH_STRUCT, fBFirstLedPos) == 64, "fBFirstLedPos offset");
static_assert(offsetof(TOUCH_CONFIG_INFLASH_STRUCT, fTFirstLedPos) == 72, "fTFirstLedPos offset");
static_assert(offsetof(TOUCH_CONFIG_INFLASH_STRUCT, fLFirstLedPos) == 80, "fLFirstLedPos offset");
static_assert(offsetof(TOUCH_CONFIG_INFLASH_STRUCT, fRFirstLedPos) == 88, "fRFirstLedPos offset");
static_assert(offsetof(TOUCH_CONFIG_INFLASH_STRUCT, LightDis) == 96, "LightDis offset");

// The device manager. One object serves one device at a time; every
// operation but EnumDevice works on the device the last OpenDevice opened.
class ZR_SDK_API ZR_DeviceManager {
public:
    ZR_DeviceManager();
    // Releases a device that is still open; no CloseDevice needs to come first.
    ~ZR_DeviceManager();

    ZR_DeviceManager(const ZR_DeviceManager&) = delete;
    ZR_DeviceManager& operator=(const ZR_DeviceManager&) = delete;

    // Fills pInfo with the path (and second path) of the first device found
    // and sets m_nDeviceCount to the number found. The four integers select
    // the devices; their meaning is the library's.
    static void EnumDevice(int nSelect1, int nSelect2, int nSelect3, int nSelect4,
                           _ZR_DEVICE_INFO* pInfo);

    // Non-zero: the device at szPath is open. Zero: nothing there is a device
    // (or it is in use elsewhere). Opening again first closes what was open.
    int OpenDevice(wchar_t* szPath);
    void CloseDevice();

    // true: *pConfig holds the device's driver configuration.
    bool GetDriverConfig(_ZR_DEVICE_CONFIG* pConfig);
    // true: the device took the configuration.
    bool SetDriverConfig(_ZR_DEVICE_CONFIG config);

    // Non-zero: *pParam holds the device's calibration.
    int ReadCalibParam_hd(_ZR_CALIB_PARAM_HD* pParam);
    // Non-zero: the device took the calibration.
    int ApplyCalibParam_hd(_ZR_CALIB_PARAM_HD param);
    // Non-zero: the device went back to its factory calibration.
    int ResetCalibParam();

    // Fills the four output-mode bytes. Non-zero: read.
    unsigned char GetOutPutMode(unsigned char* pMode0, unsigned char* pMode1,
                                unsigned char* pMode2, unsigned char* pMode3);
    // Sets the output mode (the second of the four bytes). Non-zero: done.
    unsigned char ChangeOutPutMode(char mode);

    // 0: the device keeps no geometry. 2: the stored geometry fails its
    // DataLen/CheckSum check and *pData is not to be used. Anything else:
    // *pData holds the stored geometry.
    unsigned char Get_TouchLedPosData(TOUCH_CONFIG_INFLASH_STRUCT* pData);
    // Non-zero: the device stored *pData.
    unsigned char Set_TouchLedPosData(TOUCH_CONFIG_INFLASH_STRUCT* pData);

    // Restarts the device. Non-zero: the restart was started.
    unsigned char SystemReset();

private:
    struct Device;
    Device* m_pDevice;
};

// Runs the corner calibration of the device at szDevicePath (szPairPath is
// the device's second path). The integers select how; their meaning is the
// library's.
extern "C" ZR_CALIB_API int StartCalibratePair(int nMode, wchar_t* szDevicePath, wchar_t* szPairPath,
                                               int nPoints, int nOption);

// The frame's contents and the rules the device itself applies to them.
#include "devicelibs/sdk/VirtualFrame.h"

#include <algorithm>
#include <cstring>

namespace vframe {

namespace {

template <class Record>
bool SameBytes(const Record& a, const Record& b) {
    return std::memcmp(&a, &b, sizeof(Record)) == 0;
}

// The sum covers the bytes from offset 3; the table ends at 4096.
constexpr std::size_t kGeometrySumStart = 3;
constexpr std::size_t kGeometrySumMax = sizeof(TOUCH_CONFIG_INFLASH_STRUCT) - kGeometrySumStart;
constexpr unsigned kLightDisCount = sizeof(TOUCH_CONFIG_INFLASH_STRUCT::LightDis) / sizeof(float);

uint8_t GeometrySum(const TOUCH_CONFIG_INFLASH_STRUCT& geometry, std::size_t length) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(&geometry);
    uint8_t sum = 0;
    for (std::size_t i = 0; i < std::min(length, kGeometrySumMax); ++i) sum = uint8_t(sum + bytes[kGeometrySumStart + i]);
    return sum;
}

uint16_t GeometryDataLen(const TOUCH_CONFIG_INFLASH_STRUCT& geometry) {
    return uint16_t(93u + 4u * (unsigned(geometry.XTotal) + unsigned(geometry.YTotal)));
}

}  // namespace

bool operator==(const FrameState& a, const FrameState& b) {
    return SameBytes(a.config, b.config) && SameBytes(a.calibration, b.calibration) &&
           SameBytes(a.factoryCalibration, b.factoryCalibration) &&
           std::memcmp(a.outputMode, b.outputMode, sizeof a.outputMode) == 0 &&
           a.geometrySupported == b.geometrySupported && SameBytes(a.geometry, b.geometry) &&
           a.failing == b.failing && a.resets == b.resets;
}

const std::vector<std::string>& OperationNames() {
    static const std::vector<std::string> names = {
        "EnumDevice",         "OpenDevice",          "GetDriverConfig", "SetDriverConfig",
        "ReadCalibParam_hd",  "ApplyCalibParam_hd",  "ResetCalibParam", "GetOutPutMode",
        "ChangeOutPutMode",   "Get_TouchLedPosData", "Set_TouchLedPosData", "SystemReset",
    };
    return names;
}

bool IsOperationName(const std::string& name) {
    const auto& names = OperationNames();
    return std::find(names.begin(), names.end(), name) != names.end();
}

uint8_t SignalCheckSum(const _ZR_DEVICE_CONFIG& config) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(&config);
    unsigned sum = 0x55;
    for (std::size_t i = offsetof(_ZR_DEVICE_CONFIG, XFactor); i < offsetof(_ZR_DEVICE_CONFIG, Byte39); ++i)
        sum += bytes[i];
    return uint8_t(sum);
}

void SealGeometry(TOUCH_CONFIG_INFLASH_STRUCT* geometry) {
    geometry->DataLen = GeometryDataLen(*geometry);
    geometry->CheckSum = GeometrySum(*geometry, geometry->DataLen);
}

uint8_t GeometryReadCode(const TOUCH_CONFIG_INFLASH_STRUCT& geometry) {
    // Counts past the table could wrap DataLen in 16 bits back into range;
    // such a record is no geometry whatever its sum.
    const bool counted = unsigned(geometry.XTotal) + unsigned(geometry.YTotal) <= kLightDisCount;
    const bool intact = counted && geometry.DataLen <= kGeometrySumMax &&
                        geometry.DataLen == GeometryDataLen(geometry) &&
                        geometry.CheckSum == GeometrySum(geometry, geometry.DataLen);
    return intact ? 1 : 2;
}

FrameState FactoryFrame() {
    FrameState frame;

    _ZR_DEVICE_CONFIG& c = frame.config;
    c.EnableTouch = 1;
    c.TouchMode = 0;
    c.EnableRightClick = 1;
    // The carried bytes are not zero on purpose: a program that loses them
    // instead of sending them back shows it at once.
    c.Byte3 = 0x12;
    c.Byte4 = 0x34;
    c.TouchSmooth = 3;
    c.RightClickTime = 2000;
    c.RightClickArea = 500;
    c.TouchDelay = 20;
    c.TouchJitter = 100;
    c.TouchHeight = 5;
    c.DeviceType = 0;
    c.TouchedBorder = 0;
    c.ComProtocol = 0;
    c.HotkeyEnable = 0;
    c.XFactor = 3;
    c.YFactor = 2;
    c.XStart = 10;
    c.XEnd = 300;
    c.YStart = 5;
    c.YEnd = 200;
    c.SignalCheckSum = SignalCheckSum(c);
    c.Byte39 = 0x56;
    c.SignalSourceId = 1;
    c.HighOnWeakSignal = 0;
    c.NoResetOnUsbTimeout = 0;
    c.XMaxAngle = 30;
    c.YMaxAngle = 30;
    c.XMinLNum1 = 2;
    c.YMinLNum1 = 2;
    c.XMinLNum2 = 4;
    c.YMinLNum2 = 4;
    c.LogicGroup1 = 0;
    c.LogicGroup2 = 1;
    c.WidthZoomOut = 1;
    c.Bytes52[0] = 0x78;
    c.Bytes52[1] = 0x9A;

    // "Rotate 0": the identity, with a factor of one written 1000.
    frame.calibration.Type = 1;
    frame.calibration.CaliSt.A0 = 1000.0f;
    frame.calibration.CaliSt.B1 = 1000.0f;
    frame.factoryCalibration = frame.calibration;

    const uint8_t mode[4] = {1, 2, 0, 0};
    std::memcpy(frame.outputMode, mode, sizeof mode);

    // A 72 x 36 LED frame of about 1660 x 940 mm: the distances grow by the
    // LED pitch from the first LED of each side.
    TOUCH_CONFIG_INFLASH_STRUCT& g = frame.geometry;
    g.Type = 1;
    g.X_OpeningArea = 1660;
    g.Y_OpeningArea = 940;
    g.XTotal = 72;
    g.YTotal = 36;
    g.LedXdis = 23.0f;
    g.LedYdis = 26.0f;
    g.AA_StartX = 10;
    g.AA_StartY = 10;
    g.AA_EndX = 1650;
    g.AA_EndY = 930;
    g.fBFirstLedPos = {12.5f, 0.0f};
    g.fTFirstLedPos = {12.5f, 940.0f};
    g.fLFirstLedPos = {0.0f, 12.5f};
    g.fRFirstLedPos = {1660.0f, 12.5f};
    for (int i = 0; i < g.XTotal; ++i) g.LightDis[i] = 12.5f + 23.0f * float(i);
    for (int j = 0; j < g.YTotal; ++j) g.LightDis[g.XTotal + j] = 12.5f + 26.0f * float(j);
    SealGeometry(&g);

    return frame;
}

}  // namespace vframe

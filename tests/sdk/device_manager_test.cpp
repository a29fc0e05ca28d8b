// SDK.dll as a program sees it: ZR_DeviceManager over the frames of a
// temporary frames folder.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <limits>

#include "TempFrames.h"

namespace sdktest {
namespace {

using vframe::FrameState;

using DeviceManager = TempFrames;

bool Open(ZR_DeviceManager& manager, std::wstring path) { return manager.OpenDevice(&path[0]) != 0; }

bool SameBytes(const void* a, const void* b, std::size_t size) { return std::memcmp(a, b, size) == 0; }

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string Hex(const void* data, std::size_t size) {
    std::string text;
    char two[3];
    for (std::size_t i = 0; i < size; ++i) {
        std::snprintf(two, sizeof two, "%02X", static_cast<const unsigned char*>(data)[i]);
        text += two;
    }
    return text;
}

// A frame whose every operation changes something: its calibration is not
// the factory one, so that ResetCalibParam has work to do.
FrameState WorkFrame() {
    FrameState frame = vframe::FactoryFrame();
    frame.calibration.CaliSt.C0 = 12.0f;
    return frame;
}

// Every operation with a result, called with arguments that would change a
// WorkFrame; each gives the call's result, and a read that fails must leave
// the caller's memory alone.
struct Operation {
    const char* name;
    std::function<int(ZR_DeviceManager&)> call;
};
const std::vector<Operation>& Operations() {
    static const std::vector<Operation> operations = {
        {"GetDriverConfig",
         [](ZR_DeviceManager& m) {
             _ZR_DEVICE_CONFIG c;
             std::memset(&c, 0xCC, sizeof c);
             const bool ok = m.GetDriverConfig(&c);
             if (!ok) {
                 EXPECT_EQ(c.TouchHeight, 0xCCCC);
             }
             return int(ok);
         }},
        {"SetDriverConfig",
         [](ZR_DeviceManager& m) {
             _ZR_DEVICE_CONFIG c = vframe::FactoryFrame().config;
             c.TouchHeight = 8;
             return int(m.SetDriverConfig(c));
         }},
        {"ReadCalibParam_hd",
         [](ZR_DeviceManager& m) {
             _ZR_CALIB_PARAM_HD p;
             std::memset(&p, 0xCC, sizeof p);
             const int ok = m.ReadCalibParam_hd(&p);
             if (!ok) {
                 EXPECT_EQ(p.Type, int32_t(0xCCCCCCCC));
             }
             return ok;
         }},
        {"ApplyCalibParam_hd",
         [](ZR_DeviceManager& m) {
             _ZR_CALIB_PARAM_HD p = vframe::FactoryFrame().calibration;
             p.CaliSt.C1 = 5.0f;
             return m.ApplyCalibParam_hd(p);
         }},
        {"ResetCalibParam", [](ZR_DeviceManager& m) { return m.ResetCalibParam(); }},
        {"GetOutPutMode",
         [](ZR_DeviceManager& m) {
             unsigned char mode[4] = {0xCC, 0xCC, 0xCC, 0xCC};
             const int ok = m.GetOutPutMode(&mode[0], &mode[1], &mode[2], &mode[3]);
             if (!ok) {
                 EXPECT_EQ(mode[1], 0xCC);
             }
             return ok;
         }},
        {"ChangeOutPutMode", [](ZR_DeviceManager& m) { return int(m.ChangeOutPutMode(9)); }},
        {"Get_TouchLedPosData",
         [](ZR_DeviceManager& m) {
             TOUCH_CONFIG_INFLASH_STRUCT g;
             std::memset(&g, 0xCC, sizeof g);
             const int code = m.Get_TouchLedPosData(&g);
             if (!code) {
                 EXPECT_EQ(g.XTotal, 0xCCCC);
             }
             return code;
         }},
        {"Set_TouchLedPosData",
         [](ZR_DeviceManager& m) {
             TOUCH_CONFIG_INFLASH_STRUCT g = vframe::FactoryFrame().geometry;
             g.LightDis[0] = 1.0f;
             vframe::SealGeometry(&g);
             return int(m.Set_TouchLedPosData(&g));
         }},
        {"SystemReset", [](ZR_DeviceManager& m) { return int(m.SystemReset()); }},
    };
    return operations;
}

TEST_F(DeviceManager, DriverConfigGoesToTheFrameAsSentAndStays) {
    const std::wstring path = AddFrame(L"demo.frame");
    _ZR_DEVICE_CONFIG sent;
    for (std::size_t i = 0; i < sizeof sent; ++i) reinterpret_cast<uint8_t*>(&sent)[i] = uint8_t(0x30 + i);
    sent.SignalCheckSum = uint8_t(vframe::SignalCheckSum(sent) + 1);  // not the device's business
    {
        ZR_DeviceManager manager;
        ASSERT_TRUE(Open(manager, path));
        ASSERT_TRUE(manager.SetDriverConfig(sent));
        _ZR_DEVICE_CONFIG read{};
        ASSERT_TRUE(manager.GetDriverConfig(&read));
        EXPECT_TRUE(SameBytes(&read, &sent, sizeof sent));
    }
    ZR_DeviceManager later;
    ASSERT_TRUE(Open(later, path));
    _ZR_DEVICE_CONFIG read{};
    ASSERT_TRUE(later.GetDriverConfig(&read));
    EXPECT_TRUE(SameBytes(&read, &sent, sizeof sent));
    const FrameState stored = FrameAt(path);
    EXPECT_TRUE(SameBytes(&stored.config, &sent, sizeof sent));
}

TEST_F(DeviceManager, CalibrationKeepsEveryBitAndResetsToTheFramesFactoryValues) {
    FrameState frame = vframe::FactoryFrame();
    frame.factoryCalibration.CaliSt.C0 = 3277.0f;  // the frame's own, not the library's
    const std::wstring path = AddFrame(L"demo.frame", frame);

    _ZR_CALIB_PARAM_HD sent{};
    sent.Type = 2;
    sent.CaliSt = {-0.0f, 0.1f, 1234.5678f, -1.7f, 1000.9f, 3276.8f, 1e-30f, -4001.0f};
    {
        ZR_DeviceManager manager;
        ASSERT_TRUE(Open(manager, path));
        ASSERT_TRUE(manager.ApplyCalibParam_hd(sent));
    }
    ZR_DeviceManager manager;
    ASSERT_TRUE(Open(manager, path));
    _ZR_CALIB_PARAM_HD read{};
    ASSERT_TRUE(manager.ReadCalibParam_hd(&read));
    EXPECT_TRUE(SameBytes(&read, &sent, sizeof sent));
    EXPECT_TRUE(std::signbit(read.CaliSt.A0));

    ASSERT_TRUE(manager.ResetCalibParam());
    ASSERT_TRUE(manager.ReadCalibParam_hd(&read));
    EXPECT_TRUE(SameBytes(&read, &frame.factoryCalibration, sizeof read));
    const FrameState stored = FrameAt(path);
    EXPECT_TRUE(SameBytes(&stored.calibration, &frame.factoryCalibration, sizeof read));
}

TEST_F(DeviceManager, ChangeOutPutModeSetsTheSecondByteOnly) {
    const std::wstring path = AddFrame(L"demo.frame");
    ZR_DeviceManager manager;
    ASSERT_TRUE(Open(manager, path));
    unsigned char mode[4] = {};
    ASSERT_TRUE(manager.GetOutPutMode(&mode[0], &mode[1], &mode[2], &mode[3]));
    EXPECT_EQ(std::vector<int>(mode, mode + 4), (std::vector<int>{1, 2, 0, 0}));

    ASSERT_TRUE(manager.ChangeOutPutMode(char(0xC8)));
    manager.CloseDevice();
    ASSERT_TRUE(Open(manager, path));
    ASSERT_TRUE(manager.GetOutPutMode(&mode[0], &mode[1], &mode[2], &mode[3]));
    EXPECT_EQ(std::vector<int>(mode, mode + 4), (std::vector<int>{1, 0xC8, 0, 0}));
}

TEST_F(DeviceManager, GeometryIsStoredAsSentAndCheckedOnReading) {
    FrameState noGeometry = vframe::FactoryFrame();
    noGeometry.geometrySupported = false;
    const std::wstring unsupported = AddFrame(L"plain.frame", noGeometry);
    const std::wstring path = AddFrame(L"demo.frame");

    TOUCH_CONFIG_INFLASH_STRUCT big{};
    big.XTotal = 600;
    big.YTotal = 400;
    for (int i = 0; i < 1000; ++i) big.LightDis[i] = 0.5f + float(i);
    vframe::SealGeometry(&big);
    TOUCH_CONFIG_INFLASH_STRUCT broken = big;
    broken.CheckSum ^= 0x01;

    struct Case {
        const char* name;
        const TOUCH_CONFIG_INFLASH_STRUCT* sent;
        uint8_t code;
    } cases[] = {{"a sealed record", &big, 1}, {"a record whose checksum fails", &broken, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        {
            ZR_DeviceManager manager;
            ASSERT_TRUE(Open(manager, path));
            TOUCH_CONFIG_INFLASH_STRUCT sent = *c.sent;
            ASSERT_EQ(manager.Set_TouchLedPosData(&sent), 1);
        }
        ZR_DeviceManager manager;
        ASSERT_TRUE(Open(manager, path));
        TOUCH_CONFIG_INFLASH_STRUCT read{};
        EXPECT_EQ(manager.Get_TouchLedPosData(&read), c.code);
        EXPECT_TRUE(SameBytes(&read, c.sent, sizeof read));
        const FrameState stored = FrameAt(path);
        EXPECT_TRUE(SameBytes(&stored.geometry, c.sent, sizeof read));
    }

    ZR_DeviceManager manager;
    ASSERT_TRUE(Open(manager, unsupported));
    TOUCH_CONFIG_INFLASH_STRUCT read{};
    EXPECT_EQ(manager.Get_TouchLedPosData(&read), 0);
    EXPECT_EQ(manager.Set_TouchLedPosData(&big), 0);
    EXPECT_TRUE(FrameAt(unsupported) == noGeometry);
}

TEST_F(DeviceManager, HandEditedGeometryChecksumAnswers2) {
    const std::wstring path = AddFrame(L"demo.frame");
    std::string text = ReadBytes(path);
    const auto at = text.find("\r\nCheckSum = ");  // not SignalCheckSum
    ASSERT_NE(at, std::string::npos);
    text.replace(at, text.find("\r\n", at + 2) - at, "\r\nCheckSum = 1");
    WriteBytes(path, text);

    ZR_DeviceManager manager;
    ASSERT_TRUE(Open(manager, path));
    TOUCH_CONFIG_INFLASH_STRUCT read{};
    EXPECT_EQ(manager.Get_TouchLedPosData(&read), 2);
}

TEST_F(DeviceManager, SystemResetIsCountedInTheFrame) {
    const std::wstring path = AddFrame(L"demo.frame");
    ZR_DeviceManager manager;
    ASSERT_TRUE(Open(manager, path));
    EXPECT_EQ(manager.SystemReset(), 1);
    EXPECT_EQ(manager.SystemReset(), 1);
    EXPECT_EQ(FrameAt(path).resets, 2u);
    EXPECT_NE(ReadBytes(path).find("\r\nresets = 2\r\n"), std::string::npos);
}

TEST_F(DeviceManager, AFaultTheFrameAsksForFailsThatOperationOnly) {
    for (const Operation& op : Operations()) {
        SCOPED_TRACE(op.name);
        FrameState frame = WorkFrame();
        frame.failing = {op.name};
        const std::wstring path = AddFrame(L"demo.frame", frame);
        const std::string before = ReadBytes(path);

        ZR_DeviceManager manager;
        ASSERT_TRUE(Open(manager, path));
        EXPECT_EQ(op.call(manager), 0);
        EXPECT_EQ(ReadBytes(path), before);

        // The others still work: a fault is one operation's.
        const Operation& other = (&op == &Operations().front()) ? Operations().back() : Operations().front();
        EXPECT_NE(other.call(manager), 0) << other.name;
        manager.CloseDevice();
        ASSERT_TRUE(DeleteFileW(path.c_str()));
    }
}

TEST_F(DeviceManager, FaultsOfOpenDeviceAndEnumDevice) {
    FrameState refusing = vframe::FactoryFrame();
    refusing.failing = {"OpenDevice"};
    const std::wstring path = AddFrame(L"refusing.frame", refusing);
    ZR_DeviceManager manager;
    EXPECT_EQ(manager.OpenDevice(&std::wstring(path)[0]), 0);
    EXPECT_FALSE(Exists(vframe::LockPathOf(path)));

    // One frame asking is enough: the enumeration as a whole fails.
    FrameState hiding = vframe::FactoryFrame();
    hiding.failing = {"EnumDevice"};
    AddFrame(L"hiding.frame", hiding);
    _ZR_DEVICE_INFO info;
    std::memset(&info, 0xCC, sizeof info);
    ZR_DeviceManager::EnumDevice(10317, 3, 254, 253, &info);
    EXPECT_EQ(info.m_nDeviceCount, 0);
    EXPECT_EQ(info.m_szDevicePath[0], L'\0');
}

TEST_F(DeviceManager, NothingWorksWithoutAnOpenFrame) {
    const std::wstring path = AddFrame(L"demo.frame", WorkFrame());
    const std::string before = ReadBytes(path);
    ZR_DeviceManager manager;
    manager.CloseDevice();  // a no-op, also with nothing open
    for (int round = 0; round < 2; ++round) {
        for (const Operation& op : Operations()) {
            SCOPED_TRACE(op.name);
            EXPECT_EQ(op.call(manager), 0);
        }
        // Once more after a frame was opened and closed.
        ASSERT_TRUE(Open(manager, path));
        manager.CloseDevice();
    }
    EXPECT_EQ(ReadBytes(path), before);
}

TEST_F(DeviceManager, EnumDeviceCountsTheFramesOfTheFolderNamedNow) {
    auto enumerate = [](_ZR_DEVICE_INFO* info) {
        std::memset(info, 0xCC, sizeof *info);
        ZR_DeviceManager::EnumDevice(10317, 3, 254, 253, info);
        EXPECT_EQ(info->Reserved, int32_t(0xCCCCCCCC));  // not the library's to write
    };
    _ZR_DEVICE_INFO info;
    enumerate(&info);
    EXPECT_EQ(info.m_nDeviceCount, 0);
    EXPECT_EQ(info.m_szDevicePath[0], L'\0');
    EXPECT_EQ(info.PairPath[0], L'\0');

    AddFile(L"broken.frame", "[frame]\r\n");
    const std::wstring b = AddFrame(L"b.frame");
    enumerate(&info);
    EXPECT_EQ(info.m_nDeviceCount, 1);
    EXPECT_EQ(std::wstring(info.m_szDevicePath), b);
    EXPECT_EQ(std::wstring(info.PairPath), b + L"#pair");

    const std::wstring a = AddFrame(L"a.frame");
    enumerate(&info);
    EXPECT_EQ(info.m_nDeviceCount, 2);
    EXPECT_EQ(std::wstring(info.m_szDevicePath), a);
    EXPECT_EQ(std::wstring(info.PairPath), a + L"#pair");

    // The paths it gives are the ones OpenDevice takes.
    ZR_DeviceManager manager;
    EXPECT_TRUE(Open(manager, info.m_szDevicePath));
    EXPECT_TRUE(Open(manager, info.PairPath));

    SetEnvironmentVariableW(L"ZR_FRAMES_DIR", RootDir().c_str());
    enumerate(&info);
    EXPECT_EQ(info.m_nDeviceCount, 0);

    ZR_DeviceManager::EnumDevice(10317, 3, 254, 253, nullptr);
}

TEST_F(DeviceManager, EnumDeviceSkipsAFrameWhosePathDoesNotFit) {
    // \\?\ lifts the usual path limit; a frame 2080 or more units deep
    // cannot go into m_szDevicePath whole.
    std::wstring folder = L"\\\\?\\" + FramesDir();
    while (folder.size() < kDevicePathCapacity) {
        folder += L"\\" + std::wstring(200, L'd');
        if (!CreateDirectoryW(folder.c_str(), nullptr)) GTEST_SKIP() << "no long paths here";
    }
    const std::wstring deep = folder + L"\\deep.frame";
    if (!vframe::WriteFrameFile(deep, vframe::FactoryFrame())) GTEST_SKIP() << "no long paths here";
    SetEnvironmentVariableW(L"ZR_FRAMES_DIR", folder.c_str());

    _ZR_DEVICE_INFO info;
    std::memset(&info, 0xCC, sizeof info);
    ZR_DeviceManager::EnumDevice(10317, 3, 254, 253, &info);
    EXPECT_EQ(info.m_nDeviceCount, 0);
    EXPECT_EQ(info.m_szDevicePath[0], L'\0');
    EXPECT_EQ(info.m_szDevicePath[1], wchar_t(0xCCCC));
}

TEST_F(DeviceManager, OpenDeviceTakesFramesOnlyAndLeavesTheRestUntouched) {
    const std::wstring frame = AddFrame(L"demo.frame");
    const std::string notAFrame = "[frame]\r\nformat = 1\r\n# and nothing else\r\n";
    const std::wstring broken = AddFile(L"broken.frame", notAFrame);
    CreateDirectoryW(PathOf(L"folder.frame").c_str(), nullptr);

    ZR_DeviceManager manager;
    EXPECT_EQ(manager.OpenDevice(nullptr), 0);
    for (const std::wstring& path : {std::wstring(), PathOf(L"missing.frame"), PathOf(L"folder.frame"), broken,
                                     vframe::LockPathOf(frame)}) {
        SCOPED_TRACE(vframe::Utf8(path));
        EXPECT_FALSE(Open(manager, path));
    }
    EXPECT_EQ(ReadBytes(broken), notAFrame);

    for (const std::wstring& path : {frame, vframe::PairPathOf(frame), L"\"" + frame + L"\""}) {
        SCOPED_TRACE(vframe::Utf8(path));
        EXPECT_TRUE(Open(manager, path));
    }

    // A frame that stops being one while open is not written over.
    WriteBytes(frame, notAFrame);
    EXPECT_FALSE(manager.SetDriverConfig(vframe::FactoryFrame().config));
    EXPECT_EQ(manager.SystemReset(), 0);
    EXPECT_EQ(ReadBytes(frame), notAFrame);
    EXPECT_EQ(FolderNames(), (std::vector<std::wstring>{L"broken.frame", L"demo.frame", L"demo.frame.lock",
                                                        L"folder.frame"}));
}

TEST_F(DeviceManager, OpeningAgainClosesTheFrameOpenBefore) {
    const std::wstring a = AddFrame(L"a.frame");
    const std::wstring b = AddFrame(L"b.frame");
    ZR_DeviceManager manager;
    ASSERT_TRUE(Open(manager, a));
    ASSERT_TRUE(Open(manager, a));  // the same frame again, as a program does at start-up
    ASSERT_TRUE(Open(manager, b));
    EXPECT_FALSE(vframe::FrameInUse(a));
    EXPECT_TRUE(vframe::FrameInUse(b));

    EXPECT_FALSE(Open(manager, PathOf(L"missing.frame")));
    EXPECT_FALSE(vframe::FrameInUse(b));
    EXPECT_EQ(manager.SystemReset(), 0);
}

TEST_F(DeviceManager, AFrameServesOneManagerAtATime) {
    const std::wstring path = AddFrame(L"demo.frame");
    {
        ZR_DeviceManager first;
        ZR_DeviceManager second;
        ASSERT_TRUE(Open(first, path));
        EXPECT_FALSE(Open(second, path));
        EXPECT_EQ(RunChild(L"--try-open \"" + path + L"\""), 0);

        first.CloseDevice();
        EXPECT_TRUE(Open(second, path));
        EXPECT_EQ(RunChild(L"--try-open \"" + path + L"\""), 0);
    }
    // The destructor let go of it.
    EXPECT_FALSE(Exists(vframe::LockPathOf(path)));
    EXPECT_EQ(RunChild(L"--try-open \"" + path + L"\""), 1);
}

TEST_F(DeviceManager, AKilledHolderReleasesTheFrame) {
    const std::wstring path = AddFrame(L"demo.frame");
    HANDLE holder = StartChild(L"--hold-open \"" + path + L"\"");
    ASSERT_NE(holder, nullptr);
    // Whatever fails below, the holder does not outlive the test.
    struct Ender {
        HANDLE process;
        ~Ender() {
            TerminateProcess(process, 9);
            WaitForSingleObject(process, 30000);
            CloseHandle(process);
        }
    } ender{holder};
    for (int i = 0; i < 300 && !vframe::FrameInUse(path); ++i) {
        if (WaitForSingleObject(holder, 0) == WAIT_OBJECT_0) break;
        Sleep(50);
    }
    ASSERT_TRUE(vframe::FrameInUse(path)) << "the holder never opened the frame";

    ZR_DeviceManager manager;
    EXPECT_FALSE(Open(manager, path));
    TerminateProcess(holder, 9);
    WaitForSingleObject(holder, 30000);
    EXPECT_TRUE(Open(manager, path));
}

TEST_F(DeviceManager, TheCallLogHasOneLinePerCall) {
    const std::wstring path = AddFrame(L"demo.frame");
    const std::string quoted = "\"" + vframe::Utf8(path) + "\"";
    {
        _ZR_DEVICE_INFO info{};
        ZR_DeviceManager::EnumDevice(10317, 3, 254, 253, &info);
        ZR_DeviceManager manager;
        ASSERT_TRUE(Open(manager, info.m_szDevicePath));
        _ZR_DEVICE_CONFIG config{};
        manager.GetDriverConfig(&config);
        config.TouchHeight = 7;
        manager.SetDriverConfig(config);
        _ZR_CALIB_PARAM_HD calibration{};
        manager.ReadCalibParam_hd(&calibration);
        calibration.CaliSt.B0 = -0.0f;
        manager.ApplyCalibParam_hd(calibration);
        unsigned char mode[4];
        manager.GetOutPutMode(&mode[0], &mode[1], &mode[2], &mode[3]);
        manager.ChangeOutPutMode(char(mode[1]));
        TOUCH_CONFIG_INFLASH_STRUCT geometry{};
        manager.Get_TouchLedPosData(&geometry);
        geometry.CheckSum++;
        manager.Set_TouchLedPosData(&geometry);
        manager.Get_TouchLedPosData(&geometry);
        manager.SystemReset();
        manager.CloseDevice();
        manager.ResetCalibParam();
        ASSERT_TRUE(Open(manager, path));
    }
    _ZR_DEVICE_CONFIG config = vframe::FactoryFrame().config;
    const std::string before = Hex(&config, sizeof config);
    config.TouchHeight = 7;
    const std::string after = Hex(&config, sizeof config);
    const int sum = vframe::FactoryFrame().geometry.CheckSum;
    const std::string sealed = "DataLen 525 CheckSum " + std::to_string(sum) + " XTotal 72 YTotal 36";
    const std::string unsealed = "DataLen 525 CheckSum " + std::to_string((sum + 1) & 0xFF) + " XTotal 72 YTotal 36";
    const std::vector<std::string> expected = {
        "EnumDevice 10317 3 254 253 -> count 1 " + quoted,
        "ZR_DeviceManager -> created",
        "OpenDevice " + quoted + " -> 1",
        "GetDriverConfig -> true " + before,
        "SetDriverConfig " + after + " -> true",
        "ReadCalibParam_hd -> 1 Type 1 A0 1000 B0 0 C0 0 A1 0 B1 1000 C1 0 A2 0 B2 0",
        "ApplyCalibParam_hd Type 1 A0 1000 B0 -0 C0 0 A1 0 B1 1000 C1 0 A2 0 B2 0 -> 1",
        "GetOutPutMode -> 1 Mode 1 2 0 0",
        "ChangeOutPutMode 2 -> 1",
        "Get_TouchLedPosData -> 1 " + sealed,
        "Set_TouchLedPosData " + unsealed + " -> 1",
        "Get_TouchLedPosData -> 2 " + unsealed + " (DataLen or CheckSum does not match)",
        "SystemReset -> 1",
        "CloseDevice -> closed " + quoted,
        "ResetCalibParam -> 0 (no frame open)",
        "OpenDevice " + quoted + " -> 1",
        "~ZR_DeviceManager -> released " + quoted,
    };
    EXPECT_EQ(LogLines(), expected);
}

}  // namespace
}  // namespace sdktest

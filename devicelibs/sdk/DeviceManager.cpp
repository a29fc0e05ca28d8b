// ZR_DeviceManager over virtual frames. Every operation reads the open
// frame's file anew (a person or a test may have edited it since) and writes
// every change back at once, so the file always is the device's memory.
#include <cstring>
#include <exception>
#include <memory>

#include "device/DeviceLibrary.h"
#include "devicelibs/sdk/CallLog.h"
#include "devicelibs/sdk/VirtualFrame.h"

using vframe::FrameState;

struct ZR_DeviceManager::Device {
    std::wstring path;  // the frame file, full path
    vframe::FrameLock lock;
};

namespace {

// One call as the log shows it: what was asked, then "-> result", then in
// parentheses why it failed. The line is written when the call ends.
class Call {
public:
    explicit Call(std::string asked) : m_asked(std::move(asked)) {}

    template <class R>
    R Done(R value, const std::string& result) {
        vframe::LogCall(m_asked + " -> " + result);
        return value;
    }
    template <class R>
    R Failed(R value, const std::string& result, const std::string& why) {
        vframe::LogCall(m_asked + " -> " + result + " (" + why + ")");
        return value;
    }

private:
    std::string m_asked;
};

// An exception must not cross into the calling program, whose runtime is not
// ours: the call fails and the log says why.
template <class R, class Body>
R Guarded(const char* operation, R onFailure, Body body) {
    try {
        return body();
    } catch (const std::exception& e) {
        vframe::LogCall(std::string(operation) + " -> failed (" + e.what() + ")");
    } catch (...) {
        vframe::LogCall(std::string(operation) + " -> failed (unexpected exception)");
    }
    return onFailure;
}

// The open frame's state, if the operation may go on; otherwise why not.
bool LoadFor(const std::wstring* framePath, const char* operation, FrameState* state, std::string* why) {
    if (framePath == nullptr) {
        *why = "no frame open";
        return false;
    }
    std::string problem;
    if (!vframe::ReadFrameFile(*framePath, state, &problem)) {
        *why = "the frame file no longer reads as a frame: " + problem;
        return false;
    }
    if (state->Fails(operation)) {
        *why = "the frame asks this operation to fail";
        return false;
    }
    return true;
}

bool Store(const std::wstring& framePath, const FrameState& state, std::string* why) {
    if (vframe::WriteFrameFile(framePath, state)) return true;
    *why = "the frame file cannot be written";
    return false;
}

// Copies text and its NUL into a field of capacity units; false if it does not fit.
bool CopyPath(const std::wstring& text, wchar_t* field, std::size_t capacity) {
    if (text.size() + 1 > capacity) return false;
    std::memcpy(field, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    return true;
}

constexpr std::size_t kPairPathCapacity = sizeof(_ZR_DEVICE_INFO::PairPath) / sizeof(wchar_t);

}  // namespace

ZR_DeviceManager::ZR_DeviceManager() : m_pDevice(nullptr) { vframe::LogCall("ZR_DeviceManager -> created"); }

ZR_DeviceManager::~ZR_DeviceManager() {
    Guarded("~ZR_DeviceManager", 0, [&] {
        Call call("~ZR_DeviceManager");
        if (m_pDevice == nullptr) return call.Done(0, "nothing open");
        const std::string path = vframe::QuotedPath(m_pDevice->path.c_str());
        delete m_pDevice;
        m_pDevice = nullptr;
        return call.Done(0, "released " + path);
    });
}

void ZR_DeviceManager::EnumDevice(int nSelect1, int nSelect2, int nSelect3, int nSelect4, _ZR_DEVICE_INFO* pInfo) {
    Guarded("EnumDevice", 0, [&] {
        Call call("EnumDevice " + std::to_string(nSelect1) + " " + std::to_string(nSelect2) + " " +
                  std::to_string(nSelect3) + " " + std::to_string(nSelect4));
        if (pInfo == nullptr) return call.Failed(0, "nothing filled", "no record");

        std::vector<std::wstring> frames;
        std::wstring faulting;
        for (const vframe::FrameEntry& entry : vframe::ScanFramesFolder(vframe::FramesFolder())) {
            if (!entry.isFrame) continue;
            // A path the record cannot hold would be cut into some other path.
            if (entry.path.size() + 1 > kDevicePathCapacity) continue;
            if (vframe::PairPathOf(entry.path).size() + 1 > kPairPathCapacity) continue;
            if (entry.state.Fails("EnumDevice") && faulting.empty()) faulting = entry.path;
            frames.push_back(entry.path);
        }
        if (!faulting.empty()) frames.clear();

        pInfo->m_szDevicePath[0] = L'\0';
        pInfo->PairPath[0] = L'\0';
        if (!frames.empty()) {
            CopyPath(frames.front(), pInfo->m_szDevicePath, kDevicePathCapacity);
            CopyPath(vframe::PairPathOf(frames.front()), pInfo->PairPath, kPairPathCapacity);
        }
        pInfo->m_nDeviceCount = int32_t(frames.size());

        const std::string result = "count " + std::to_string(frames.size());
        if (!faulting.empty())
            return call.Failed(0, result, "the frame " + vframe::QuotedPath(faulting.c_str()) + " asks EnumDevice to fail");
        if (frames.empty()) return call.Done(0, result);
        return call.Done(0, result + " " + vframe::QuotedPath(frames.front().c_str()));
    });
}

int ZR_DeviceManager::OpenDevice(wchar_t* szPath) {
    return Guarded("OpenDevice", 0, [&] {
        Call call("OpenDevice " + vframe::QuotedPath(szPath));
        delete m_pDevice;
        m_pDevice = nullptr;
        if (szPath == nullptr || szPath[0] == L'\0') return call.Failed(0, "0", "no path");

        auto device = std::make_unique<Device>();
        device->path = vframe::FramePathOf(szPath);
        FrameState state;
        std::string problem;
        if (!vframe::ReadFrameFile(device->path, &state, &problem)) return call.Failed(0, "0", "not a frame: " + problem);
        if (state.Fails("OpenDevice")) return call.Failed(0, "0", "the frame asks this operation to fail");
        if (!device->lock.Acquire(device->path)) return call.Failed(0, "0", "the frame is in use");
        m_pDevice = device.release();
        return call.Done(1, "1");
    });
}

void ZR_DeviceManager::CloseDevice() {
    Guarded("CloseDevice", 0, [&] {
        Call call("CloseDevice");
        if (m_pDevice == nullptr) return call.Done(0, "nothing open");
        const std::string path = vframe::QuotedPath(m_pDevice->path.c_str());
        delete m_pDevice;
        m_pDevice = nullptr;
        return call.Done(0, "closed " + path);
    });
}

bool ZR_DeviceManager::GetDriverConfig(_ZR_DEVICE_CONFIG* pConfig) {
    return Guarded("GetDriverConfig", false, [&] {
        Call call("GetDriverConfig");
        FrameState state;
        std::string why;
        if (pConfig == nullptr) return call.Failed(false, "false", "no record");
        if (!LoadFor(m_pDevice ? &m_pDevice->path : nullptr, "GetDriverConfig", &state, &why))
            return call.Failed(false, "false", why);
        *pConfig = state.config;
        return call.Done(true, "true " + vframe::HexBytes(pConfig, sizeof *pConfig));
    });
}

bool ZR_DeviceManager::SetDriverConfig(_ZR_DEVICE_CONFIG config) {
    return Guarded("SetDriverConfig", false, [&] {
        Call call("SetDriverConfig " + vframe::HexBytes(&config, sizeof config));
        FrameState state;
        std::string why;
        if (!LoadFor(m_pDevice ? &m_pDevice->path : nullptr, "SetDriverConfig", &state, &why))
            return call.Failed(false, "false", why);
        // Stored as sent: the device does not judge the signal checksum.
        state.config = config;
        if (!Store(m_pDevice->path, state, &why)) return call.Failed(false, "false", why);
        return call.Done(true, "true");
    });
}

int ZR_DeviceManager::ReadCalibParam_hd(_ZR_CALIB_PARAM_HD* pParam) {
    return Guarded("ReadCalibParam_hd", 0, [&] {
        Call call("ReadCalibParam_hd");
        FrameState state;
        std::string why;
        if (pParam == nullptr) return call.Failed(0, "0", "no record");
        if (!LoadFor(m_pDevice ? &m_pDevice->path : nullptr, "ReadCalibParam_hd", &state, &why))
            return call.Failed(0, "0", why);
        *pParam = state.calibration;
        return call.Done(1, "1 " + vframe::CalibrationText(*pParam));
    });
}

int ZR_DeviceManager::ApplyCalibParam_hd(_ZR_CALIB_PARAM_HD param) {
    return Guarded("ApplyCalibParam_hd", 0, [&] {
        Call call("ApplyCalibParam_hd " + vframe::CalibrationText(param));
        FrameState state;
        std::string why;
        if (!LoadFor(m_pDevice ? &m_pDevice->path : nullptr, "ApplyCalibParam_hd", &state, &why))
            return call.Failed(0, "0", why);
        state.calibration = param;
        if (!Store(m_pDevice->path, state, &why)) return call.Failed(0, "0", why);
        return call.Done(1, "1");
    });
}

int ZR_DeviceManager::ResetCalibParam() {
    return Guarded("ResetCalibParam", 0, [&] {
        Call call("ResetCalibParam");
        FrameState state;
        std::string why;
        if (!LoadFor(m_pDevice ? &m_pDevice->path : nullptr, "ResetCalibParam", &state, &why))
            return call.Failed(0, "0", why);
        state.calibration = state.factoryCalibration;
        if (!Store(m_pDevice->path, state, &why)) return call.Failed(0, "0", why);
        return call.Done(1, "1");
    });
}

unsigned char ZR_DeviceManager::GetOutPutMode(unsigned char* pMode0, unsigned char* pMode1, unsigned char* pMode2,
                                              unsigned char* pMode3) {
    return Guarded("GetOutPutMode", static_cast<unsigned char>(0), [&]() -> unsigned char {
        Call call("GetOutPutMode");
        FrameState state;
        std::string why;
        if (!pMode0 || !pMode1 || !pMode2 || !pMode3) return call.Failed(0, "0", "a mode pointer is NULL");
        if (!LoadFor(m_pDevice ? &m_pDevice->path : nullptr, "GetOutPutMode", &state, &why))
            return call.Failed(0, "0", why);
        *pMode0 = state.outputMode[0];
        *pMode1 = state.outputMode[1];
        *pMode2 = state.outputMode[2];
        *pMode3 = state.outputMode[3];
        return call.Done(1, "1 Mode " + std::to_string(*pMode0) + " " + std::to_string(*pMode1) + " " +
                                std::to_string(*pMode2) + " " + std::to_string(*pMode3));
    });
}

unsigned char ZR_DeviceManager::ChangeOutPutMode(char mode) {
    return Guarded("ChangeOutPutMode", static_cast<unsigned char>(0), [&]() -> unsigned char {
        const auto byte = static_cast<unsigned char>(mode);
        Call call("ChangeOutPutMode " + std::to_string(byte));
        FrameState state;
        std::string why;
        if (!LoadFor(m_pDevice ? &m_pDevice->path : nullptr, "ChangeOutPutMode", &state, &why))
            return call.Failed(0, "0", why);
        state.outputMode[1] = byte;
        if (!Store(m_pDevice->path, state, &why)) return call.Failed(0, "0", why);
        return call.Done(1, "1");
    });
}

unsigned char ZR_DeviceManager::Get_TouchLedPosData(TOUCH_CONFIG_INFLASH_STRUCT* pData) {
    return Guarded("Get_TouchLedPosData", static_cast<unsigned char>(0), [&]() -> unsigned char {
        Call call("Get_TouchLedPosData");
        FrameState state;
        std::string why;
        if (!LoadFor(m_pDevice ? &m_pDevice->path : nullptr, "Get_TouchLedPosData", &state, &why))
            return call.Failed(0, "0", why);
        if (!state.geometrySupported) return call.Failed(0, "0", "the frame keeps no geometry");
        if (pData == nullptr) return call.Failed(0, "0", "no record");
        // Filled also when the check fails, as a device hands over what its
        // flash holds; the caller is told not to use it.
        *pData = state.geometry;
        const unsigned char code = vframe::GeometryReadCode(state.geometry);
        const std::string result = std::to_string(code) + " " + vframe::GeometrySummary(state.geometry);
        if (code == 2) return call.Failed(code, result, "DataLen or CheckSum does not match");
        return call.Done(code, result);
    });
}

unsigned char ZR_DeviceManager::Set_TouchLedPosData(TOUCH_CONFIG_INFLASH_STRUCT* pData) {
    return Guarded("Set_TouchLedPosData", static_cast<unsigned char>(0), [&]() -> unsigned char {
        Call call("Set_TouchLedPosData " + (pData ? vframe::GeometrySummary(*pData) : std::string("NULL")));
        FrameState state;
        std::string why;
        if (pData == nullptr) return call.Failed(0, "0", "no record");
        if (!LoadFor(m_pDevice ? &m_pDevice->path : nullptr, "Set_TouchLedPosData", &state, &why))
            return call.Failed(0, "0", why);
        if (!state.geometrySupported) return call.Failed(0, "0", "the frame keeps no geometry");
        // Kept as sent, DataLen and CheckSum included; the check comes on reading.
        state.geometry = *pData;
        if (!Store(m_pDevice->path, state, &why)) return call.Failed(0, "0", why);
        return call.Done(1, "1");
    });
}

unsigned char ZR_DeviceManager::SystemReset() {
    return Guarded("SystemReset", static_cast<unsigned char>(0), [&]() -> unsigned char {
        Call call("SystemReset");
        FrameState state;
        std::string why;
        if (!LoadFor(m_pDevice ? &m_pDevice->path : nullptr, "SystemReset", &state, &why))
            return call.Failed(0, "0", why);
        ++state.resets;
        if (!Store(m_pDevice->path, state, &why)) return call.Failed(0, "0", why);
        return call.Done(1, "1");
    });
}

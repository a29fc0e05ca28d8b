// Virtual touch frames: what a touch frame keeps in its memory, held in one
// plain-text file per frame that a person can read and edit.
//
// SDK.dll drives these frames behind ZR_DeviceManager; ZRFrameTool and the
// tests use the same functions to make frames and to read back what a program
// sent. The text format is described for people in docs/virtual-frames.md.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "device/DeviceLibrary.h"

namespace vframe {

// Everything a frame keeps between runs, as its flash would.
struct FrameState {
    _ZR_DEVICE_CONFIG config{};
    _ZR_CALIB_PARAM_HD calibration{};
    _ZR_CALIB_PARAM_HD factoryCalibration{};  // what ResetCalibParam goes back to
    uint8_t outputMode[4]{};
    bool geometrySupported = true;
    TOUCH_CONFIG_INFLASH_STRUCT geometry{};  // stored as sent, DataLen and CheckSum included
    std::set<std::string> failing;           // operation names (OperationNames) that fail on request
    uint32_t resets = 0;                      // SystemReset calls so far

    bool Fails(const std::string& operation) const { return failing.count(operation) != 0; }
};

// Bitwise comparison: -0.0 differs from 0.0, as it does for the device.
bool operator==(const FrameState& a, const FrameState& b);
inline bool operator!=(const FrameState& a, const FrameState& b) { return !(a == b); }

// A new frame as it leaves the factory: sensible settings, a valid signal
// block, the identity calibration, a sealed 72 x 36 geometry.
FrameState FactoryFrame();

// The ZR_DeviceManager operations a frame can ask to fail, in interface order.
// CloseDevice is not among them: it has no result to fail with.
const std::vector<std::string>& OperationNames();
bool IsOperationName(const std::string& name);

// (bytes 29..38 summed + 0x55) & 0xFF: the value SignalCheckSum must hold for
// the signal block to be valid.
uint8_t SignalCheckSum(const _ZR_DEVICE_CONFIG& config);

// Sets DataLen = 93 + 4 * (XTotal + YTotal) (16 bits) and CheckSum = 8-bit
// sum of the DataLen bytes from offset 3; the sum stops at the record's end
// when the counts are too large for the table.
void SealGeometry(TOUCH_CONFIG_INFLASH_STRUCT* geometry);

// What Get_TouchLedPosData answers for a stored geometry: 1 when DataLen and
// CheckSum hold, 2 when they fail or when the counts or DataLen reach past
// the record.
uint8_t GeometryReadCode(const TOUCH_CONFIG_INFLASH_STRUCT& geometry);

// How a frame file writes a float: the shortest text that reads back to the
// same bits ("1000", "-0", "0.1"); a NaN as its bit pattern "0x7FC00000".
std::string FloatText(float value);

// The text of a frame file. ParseFrame accepts what FormatFrame writes and
// what a person makes of it by hand; on failure it leaves *state untouched
// and says why in *error ("line 12: ..."), if error is not null.
std::string FormatFrame(const FrameState& state);
bool ParseFrame(const std::string& text, FrameState* state, std::string* error = nullptr);

// false: the file is missing, unreadable or not a frame (why: *error).
bool ReadFrameFile(const std::wstring& path, FrameState* state, std::string* error = nullptr);
// Writes the whole frame atomically: a temporary file beside it, flushed, then
// moved over the old one. false: nothing changed at path (a temporary file
// never stays behind). A read-only file is not replaced, nor is a state
// written that would not read back as a frame (an unknown name in `failing`).
bool WriteFrameFile(const std::wstring& path, const FrameState& state);

// The frames folder: %ZR_FRAMES_DIR% if set and not empty, otherwise
// %LOCALAPPDATA%\VirtualTouchFrames. Read anew at every call.
std::wstring FramesFolder();

// One *.frame file of a folder, and whether it reads as a frame.
struct FrameEntry {
    std::wstring path;
    bool isFrame = false;
    FrameState state;     // when it is one
    std::string problem;  // when it is not: why
};
// The *.frame files of folder (not folders), sorted by name ignoring case.
// A missing folder holds none.
std::vector<FrameEntry> ScanFramesFolder(const std::wstring& folder);

// Device paths: a frame is opened by its file path or by its second path,
// the file path followed by "#pair".
std::wstring PairPathOf(const std::wstring& framePath);
// The full file path a device path names: "#pair" and enclosing double
// quotes removed, made absolute. Empty when nothing is left.
std::wstring FramePathOf(const std::wstring& devicePath);

// A frame serves one user at a time. The holder keeps <frame>.lock open with
// no sharing and delete-on-close, so the lock goes with the handle, also when
// the holding process dies. Any second holder is refused, in this process or
// another.
std::wstring LockPathOf(const std::wstring& framePath);
class FrameLock {
public:
    FrameLock() = default;
    ~FrameLock() { Release(); }
    FrameLock(const FrameLock&) = delete;
    FrameLock& operator=(const FrameLock&) = delete;

    // false: someone else holds the frame, or its lock file cannot be made.
    bool Acquire(const std::wstring& framePath);
    void Release();
    bool Held() const { return m_handle != nullptr; }

private:
    void* m_handle = nullptr;
};
// true: some FrameLock holds the frame now.
bool FrameInUse(const std::wstring& framePath);

// UTF-16 <-> UTF-8, for file contents, logs and messages.
std::string Utf8(const std::wstring& text);
std::wstring Wide(const std::string& utf8);

}  // namespace vframe

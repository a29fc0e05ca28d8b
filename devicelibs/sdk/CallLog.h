// The call log: with ZR_CALL_LOG naming a file, every call a program makes
// into SDK.dll is appended to it as one line (format in docs/virtual-frames.md),
// so that a test or a person can see what the program asked of the device.
#pragma once

#include <cstddef>
#include <string>

#include "device/DeviceLibrary.h"

namespace vframe {

// Appends line and a line feed. The variable is read at every call; without
// it, or when the file cannot be opened, nothing is written.
void LogCall(const std::string& line);

// "\"C:\\frames\\demo.frame\"" as UTF-8, or NULL.
std::string QuotedPath(const wchar_t* path);
// Upper-case hex digits, two a byte, no blanks.
std::string HexBytes(const void* data, std::size_t size);
// "Type 1 A0 1000 B0 0 C0 0 A1 0 B1 1000 C1 0 A2 0 B2 0"
std::string CalibrationText(const _ZR_CALIB_PARAM_HD& param);
// "DataLen 525 CheckSum 108 XTotal 72 YTotal 36": the whole record would
// make a line of 8192 digits.
std::string GeometrySummary(const TOUCH_CONFIG_INFLASH_STRUCT& geometry);

}  // namespace vframe

#include "devicelibs/sdk/CallLog.h"

#include <windows.h>

#include "devicelibs/sdk/VirtualFrame.h"

namespace vframe {

void LogCall(const std::string& line) {
    const DWORD size = GetEnvironmentVariableW(L"ZR_CALL_LOG", nullptr, 0);
    if (size == 0) return;
    std::wstring path(size, L'\0');
    if (GetEnvironmentVariableW(L"ZR_CALL_LOG", &path[0], size) + 1 != size || size == 1) return;
    path.resize(size - 1);
    // Appending keeps the lines of several programs whole and in order.
    HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(file, text.data(), DWORD(text.size()), &written, nullptr);
    CloseHandle(file);
}

std::string QuotedPath(const wchar_t* path) {
    if (path == nullptr) return "NULL";
    return "\"" + Utf8(path) + "\"";
}

std::string HexBytes(const void* data, std::size_t size) {
    static const char digits[] = "0123456789ABCDEF";
    const auto* bytes = static_cast<const unsigned char*>(data);
    std::string text;
    for (std::size_t i = 0; i < size; ++i) {
        text += digits[bytes[i] >> 4];
        text += digits[bytes[i] & 15];
    }
    return text;
}

std::string CalibrationText(const _ZR_CALIB_PARAM_HD& param) {
    const _ZR_CALIB_ST& c = param.CaliSt;
    return "Type " + std::to_string(param.Type) + " A0 " + FloatText(c.A0) + " B0 " + FloatText(c.B0) + " C0 " +
           FloatText(c.C0) + " A1 " + FloatText(c.A1) + " B1 " + FloatText(c.B1) + " C1 " + FloatText(c.C1) +
           " A2 " + FloatText(c.A2) + " B2 " + FloatText(c.B2);
}

std::string GeometrySummary(const TOUCH_CONFIG_INFLASH_STRUCT& geometry) {
    return "DataLen " + std::to_string(geometry.DataLen) + " CheckSum " + std::to_string(geometry.CheckSum) +
           " XTotal " + std::to_string(geometry.XTotal) + " YTotal " + std::to_string(geometry.YTotal);
}

}  // namespace vframe

#include "device/DevicePath.h"

#include <cwchar>

bool CopyDevicePath(const wchar_t* text, wchar_t (&field)[kDevicePathCapacity]) {
    std::size_t length = text ? std::wcslen(text) : 0;
    if (length >= kDevicePathCapacity) {
        field[0] = L'\0';
        return false;
    }
    std::wmemcpy(field, text ? text : L"", length);
    field[length] = L'\0';
    return true;
}

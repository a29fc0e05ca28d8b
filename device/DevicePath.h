#pragma once

#include "device/DeviceLibrary.h"

// Copies text, with its NUL, into a device path field. Text that does not fit
// (kDevicePathCapacity units or more) cannot be a device path, and copying
// it would run into the fields behind: the field is left empty instead and
// false returns.
bool CopyDevicePath(const wchar_t* text, wchar_t (&field)[kDevicePathCapacity]);

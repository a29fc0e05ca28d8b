// ZRCalib.dll: the corner calibration of a touch frame. The calibration run
// itself is not here yet; the entry point exists so the program links and
// loads as it will with it.
#include "device/DeviceLibrary.h"

extern "C" int StartCalibratePair(int, wchar_t*, wchar_t*, int, int) { return 0; }

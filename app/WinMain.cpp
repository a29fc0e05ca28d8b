#include <windows.h>

#include "framework/WinApp.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int) { return AfxWinMain(hInstance); }

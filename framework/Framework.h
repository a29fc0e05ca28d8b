// The dialog framework: application object, dialogs with data exchange and
// message maps, control wrappers, message boxes, file dialogs, files, fonts.
#pragma once

#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/File.h"
#include "framework/FileDialog.h"
#include "framework/Font.h"
#include "framework/MessageMap.h"
#include "framework/PaintDC.h"
#include "framework/ShellManager.h"
#include "framework/UiHooks.h"
#include "framework/WinApp.h"
#include "framework/Wnd.h"

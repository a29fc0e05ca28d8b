#include "framework/UiHooks.h"

#include <utility>

namespace {
// The program has one GUI thread; hooks belong to it.
MessageBoxHook& MessageBoxHookSlot() {
    static MessageBoxHook hook;
    return hook;
}
FileDialogHook& FileDialogHookSlot() {
    static FileDialogHook hook;
    return hook;
}
}  // namespace

ScopedMessageBoxHook::ScopedMessageBoxHook(MessageBoxHook hook)
    : m_previous(std::exchange(MessageBoxHookSlot(), std::move(hook))) {}

ScopedMessageBoxHook::~ScopedMessageBoxHook() { MessageBoxHookSlot() = std::move(m_previous); }

ScopedFileDialogHook::ScopedFileDialogHook(FileDialogHook hook)
    : m_previous(std::exchange(FileDialogHookSlot(), std::move(hook))) {}

ScopedFileDialogHook::~ScopedFileDialogHook() { FileDialogHookSlot() = std::move(m_previous); }

int ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) {
    const MessageBoxHook& hook = MessageBoxHookSlot();
    if (hook) {
        return hook(MessageBoxRequest{owner, text ? text : L"", caption ? caption : L"", type});
    }
    return ::MessageBoxW(owner, text, caption, type);
}

const FileDialogHook* CurrentFileDialogHook() {
    const FileDialogHook& hook = FileDialogHookSlot();
    return hook ? &hook : nullptr;
}

#pragma once

// What shell tree and shell list controls in dialogs need; the program's
// dialogs have none, so there is nothing to hold.
class CShellManager {
public:
    CShellManager() = default;
    CShellManager(const CShellManager&) = delete;
    CShellManager& operator=(const CShellManager&) = delete;
};

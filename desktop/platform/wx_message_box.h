// Message boxes shown by the toolkit. The application installs them once the
// toolkit runs and removes them before it shuts down; until then, and in
// tests, platform::ShowMessageBox uses its other handlers.
#pragma once

namespace platform {

void InstallWxMessageBoxes();
void RemoveWxMessageBoxes();

}  // namespace platform

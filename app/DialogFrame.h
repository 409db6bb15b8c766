#pragma once
// The window frame of the program's fixed dialogs: a title bar with a close button, no
// minimise or maximise buttons.

#include <Qt>

namespace kvx {

inline constexpr Qt::WindowFlags DialogFrame =
    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

} // namespace kvx

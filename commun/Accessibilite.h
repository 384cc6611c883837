// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Les auteurs de SalvaNOR
// How the windows are announced to screen readers.
#pragma once

namespace Accessibilite {

// A plain QWidget shown as a top-level window is announced by Qt as a "filler": a screen-reader
// user would not hear that a window opened. From now on every such window is announced as a
// window, named by its caption. Main windows, dialogs and every control keep Qt's own roles,
// even a control created without a parent and placed later by a layout.
void annoncerFenetres();

} // namespace Accessibilite

// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

// Lotcraft's icon, the gavel over a price tag, at 48 and 256 pixels: every window carries it,
// and the desktop picks the size it needs.
QIcon ProgramIcon();

// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/EditorHost.h"

EditorHost::~EditorHost() = default;

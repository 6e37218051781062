// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/MessageBoxes.h"

MessageBoxes::~MessageBoxes() = default;

// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FileDialogs.h"

FileDialogs::~FileDialogs() = default;

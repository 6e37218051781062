// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A rectangle as the button's drawing code keeps it: right and bottom lie just outside.
struct GdiRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    GdiRect Shifted(int by) const { return {left + by, top + by, right + by, bottom + by}; }
    bool operator==(const GdiRect& other) const {
        return left == other.left && top == other.top && right == other.right &&
               bottom == other.bottom;
    }
};

#pragma once

// The twips conversion moved below the windows and the button control; this name stays
// until the main window includes app/Twips.h itself.
#include "app/Twips.h"

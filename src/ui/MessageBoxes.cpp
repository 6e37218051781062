#include "ui/MessageBoxes.h"

MessageBoxes::~MessageBoxes() = default;

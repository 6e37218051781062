#include "catalogue/GridCursor.h"

GridCursor::~GridCursor() = default;

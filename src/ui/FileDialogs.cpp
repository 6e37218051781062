#include "ui/FileDialogs.h"

FileDialogs::~FileDialogs() = default;

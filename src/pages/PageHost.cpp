#include "pages/PageHost.h"

PageHost::~PageHost() = default;

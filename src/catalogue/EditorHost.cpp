#include "catalogue/EditorHost.h"

EditorHost::~EditorHost() = default;

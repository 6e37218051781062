#include "editing/EditorHost.h"

EditorHost::~EditorHost() = default;

// Must not compile: the platform layer does not see the headers of editor/.
#include "editor/MapDocument.h"

// Must not compile: the images layer does not see the headers of formats/.
#include "formats/MapDefinitionReader.h"

// Must not compile: the formats layer does not see the headers of images/.
#include "images/ImageLoading.h"

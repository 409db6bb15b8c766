// Must not compile: the model layer does not see the headers of platform/.
#include "platform/QtCanvas.h"

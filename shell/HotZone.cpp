#include "shell/HotZone.h"

#include "shell/PatternSelection.h"

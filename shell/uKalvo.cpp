#include "shell/uKalvo.h"

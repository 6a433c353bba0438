#include "shell/GlobeView.h"

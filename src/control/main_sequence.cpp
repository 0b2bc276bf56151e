#include "control/main_sequence.h"

int RunSetup() { return 0; }

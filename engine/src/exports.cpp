// Placeholder translation unit; the engine's exports are defined here.
#include "lumo32.h"

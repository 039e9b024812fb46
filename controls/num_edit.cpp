// TNumEdit adds no behaviour of its own; this unit carries its meta-object.
#include "num_edit.h"

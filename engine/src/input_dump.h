// The input dump: a plain-text copy of the TransferRecord as the engine
// received it, written at initialisation as a diagnostic record of the inputs
// (its results section shows whatever the caller left there). Lines end in
// CR LF. Lists that cannot be read (a null address) show their count only; a
// null PrimaryDaysList shows no day lines.
#pragma once

#include "lumo32.h"

namespace lumo {

// Creates or replaces the file; a file that cannot be created is skipped.
void writeInputDump(const TransferRecord &record, const char *path);

}  // namespace lumo

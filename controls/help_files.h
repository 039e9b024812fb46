// The help-file table: which document a help button opens, by the button's
// tag (0 to 50). Entry 0 is "No Help File Assigned"; entries 1 to 50 are
// ".kbn" documents in the "help" folder of the program's directory. A tag
// outside 0..50 has no entry.
#pragma once

#include <QString>

namespace lumo::controls {

constexpr int kHelpFileCount = 51;

// The table entry for `tag`, relative to the program's directory (for
// example "help/Chemicals.kbn"); empty for a tag outside the table.
QString HelpFileEntry(int tag);

// The full path a help button with `tag` opens: the program's data folder
// (its own folder in the build tree, share/lumo installed) and the entry
// joined by the path separator.
QString HelpFilePath(int tag);

}  // namespace lumo::controls

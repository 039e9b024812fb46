// The desktop program's view of where its files are: the platform layer's
// layout (program_layout.h) with the documents folder as Qt reports it, and
// the settings file in the layout's settings folder.
#pragma once

#include <QSettings>
#include <QStringList>
#include <memory>

#include "program_layout.h"

namespace lumo::ui {

// The running program's layout; where it uses the user's folders, the
// start-up scenario and the file dialogs use Qt's documents folder.
platform::ProgramLayout DesktopLayout();

// The layout's settings file (INI format).
std::unique_ptr<QSettings> OpenSettings(const platform::ProgramLayout &layout);

// The lines of DescribeLayout, as the About box and `lumo --paths` show them.
QStringList LayoutLines(const platform::ProgramLayout &layout);

}  // namespace lumo::ui

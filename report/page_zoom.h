// Zooming a report page: the screen pages are laid out at fixed positions
// in pixels (as the printed page is), so a page at another size is the same
// page with every position, size, font, column and row scaled.
#pragma once

class QWidget;

namespace lumo::report {

// Scales `page` and everything on it by `factor` (1 leaves it as built).
// Call once, on a page just built.
void ZoomPage(QWidget *page, double factor);

}  // namespace lumo::report

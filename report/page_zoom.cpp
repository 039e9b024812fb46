#include "page_zoom.h"

#include <QTableWidget>
#include <QWidget>
#include <cmath>

namespace lumo::report {
namespace {

int Scaled(int v, double factor) {
  return static_cast<int>(std::lround(v * factor));
}

// Sets the widget's font, scaled, on the widget itself: a widget with a
// style sheet (the grids) does not follow its parent's font.
void ScaleFont(QWidget *w, double factor) {
  QFont font = w->font();
  if (font.pixelSize() > 0)
    font.setPixelSize(std::max(1, Scaled(font.pixelSize(), factor)));
  else
    font.setPointSizeF(font.pointSizeF() * factor);
  w->setFont(font);
}

}  // namespace

void ZoomPage(QWidget *page, double factor) {
  if (std::fabs(factor - 1.0) < 1e-3) return;
  const QSize size =
      page->minimumSize() == page->maximumSize() ? page->minimumSize() : page->size();
  page->setFixedSize(Scaled(size.width(), factor), Scaled(size.height(), factor));
  // The page's own labels and grids; their parts follow them.
  for (auto *child : page->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
    ScaleFont(child, factor);
    const QRect g = child->geometry();
    child->setGeometry(Scaled(g.x(), factor), Scaled(g.y(), factor), Scaled(g.width(), factor),
                       Scaled(g.height(), factor));
    if (auto *grid = qobject_cast<QTableWidget *>(child)) {
      for (int c = 0; c < grid->columnCount(); ++c)
        grid->setColumnWidth(c, Scaled(grid->columnWidth(c), factor));
      for (int r = 0; r < grid->rowCount(); ++r)
        grid->setRowHeight(r, Scaled(grid->rowHeight(r), factor));
    }
  }
  // Last: its children have fonts of their own by now.
  ScaleFont(page, factor);
}

}  // namespace lumo::report

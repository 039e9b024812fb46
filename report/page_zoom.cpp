#include "page_zoom.h"

#include <QTableWidget>
#include <QWidget>
#include <cmath>

namespace lumo::report {
namespace {

int Scaled(int v, double factor) {
  return static_cast<int>(std::lround(v * factor));
}

void ScaleFont(QWidget *w, double factor) {
  // Only fonts set on the widget itself; the others follow their parent.
  if (!w->testAttribute(Qt::WA_SetFont)) return;
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
  ScaleFont(page, factor);
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
}

}  // namespace lumo::report

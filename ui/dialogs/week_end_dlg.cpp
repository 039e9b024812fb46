#include "week_end_dlg.h"

#include <QHeaderView>

#include "activity_grid.h"
#include "lumo_state.h"

TWeekEndDlg::TWeekEndDlg(QWidget *owner, lumo::TLumoState *state)
    : TPatternDlg(owner, state, tr("Weekend Pattern"), QStringLiteral("gridSecAct"),
                  state->ScenarioRecord.WeekEndPattern, tr("A Small Error...")) {
  Grid()->setSelectionMode(QAbstractItemView::SingleSelection);
  Grid()->verticalHeader()->setSectionsMovable(false);
}

#include "week_day_dlg.h"

#include "lumo_state.h"

TWeekDayDlg::TWeekDayDlg(QWidget *owner, lumo::TLumoState *state)
    : TPatternDlg(owner, state, tr("Weekday Pattern"), QStringLiteral("gridPriAct"),
                  state->ScenarioRecord.WeekDayPattern, tr("A Small Error")) {}

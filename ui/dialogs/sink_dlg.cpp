#include "sink_dlg.h"

#include <QVBoxLayout>

#include "lumo_state.h"
#include "radio_group.h"
#include "sink_grid_dlg.h"

TSinkDlg::TSinkDlg(QWidget *owner, lumo::TLumoState *state)
    : TParamDialog(owner, state, tr("Sink Model")) {
  rgSinkModel = new TRadioGroup(this, QStringLiteral("rgSinkModel"), QString(),
                                {tr("No sink"), tr("One-way sink"), tr("Reversible sink")});
  Body()->addWidget(rgSinkModel);
  rgSinkModel->SetItemIndex(static_cast<int>(Record().Sinks.SinkModel));
  connect(rgSinkModel, &TRadioGroup::itemClicked, this,
          [this](int index) { State()->SetSink(static_cast<lumo::SinkModelType>(index)); });
  setMinimumWidth(260);
}

bool TSinkDlg::CanClose() {
  if (Record().Sinks.SinkModel != lumo::SinkModelType::None) {
    TSinkGridDlg values(this, State());
    values.exec();
  }
  return true;
}

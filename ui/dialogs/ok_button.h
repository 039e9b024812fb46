// The OK button of the parameter dialogs. Pressing it (mouse, Space, or
// Enter in a field) first moves the focus to it, so that the field being
// edited is left and stores its value. A field that refuses its value says
// so and takes the focus back once its events have run; `finish` is called
// only when the focus stayed on OK. A mouse press has already moved the
// focus, so the click does not move it a second time (which would repeat a
// refusal message).
#pragma once

#include <functional>

class QDialog;
class QPushButton;

void ConnectOkButton(QDialog *dialog, QPushButton *ok, std::function<void()> finish);

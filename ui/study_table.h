// Pieces the Compare and Sweep windows share: a comparison's or a sweep's
// table (comparison/result_tables.h) shown in a table widget, and the runs
// done on a thread of their own while the window stays responsive.
#pragma once

#include <functional>
#include <thread>

#include "result_tables.h"

class QObject;
class QTableWidget;

// The header, then the cells' texts (numbers aligned right when
// `numbersRight`); read-only.
void FillStudyTable(QTableWidget *widget, const lumo::comparison::Table &table,
                    bool numbersRight = true);

// Runs `work` on a thread of its own and then `done` on `owner`'s thread
// (not at all when `owner` has gone by then). The owner joins the returned
// thread before the data `work` uses go.
std::thread RunInBackground(QObject *owner, std::function<void()> work, std::function<void()> done);

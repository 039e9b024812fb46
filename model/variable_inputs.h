// The scenario inputs an assessment may vary, and how a drawn value reaches
// the scenario: as the program takes the same value typed into the input's
// dialog (or main-window field) followed by OK.
//
// Every numeric input that a parameter dialog or a main-window field edits
// is listed, named by its field in the scenario record (the sinks as
// SinkArea1 to SinkArea6, AdsorptionRate1..6, DesorptionRate1..6), with the
// unit it is stored and shown in, its limits (field_limits.h, as the dialog
// takes them) and whether it is a whole number. Left out: the run settings
// (RunLength, ReportInterval), which are not inputs of the model; the sides
// of the Standard Box, whose dialog re-applies the whole building choice;
// the choices (building, surfaces, paint type, person, location, gender,
// start day, interval, emission and sink models); the chemical's name; and
// the activity patterns and the schedule's breathing rates, which are
// tables.
//
// Applying a value (ApplyVariableInput):
// 1. A value equal to the stored one is no edit: nothing is stored or
//    derived, so every input at its own value leaves record and schedule
//    byte for byte as they were.
// 2. The value is corrected as the dialog corrects it: to the nearest limit
//    where the dialog says "A Small Correction", whole numbers cut (years)
//    or rounded (coats, painters, hours) as the field does; a weight
//    fraction below 9.99e-7 becomes 1.0e-6. Where the field refuses a value
//    outside its limits (percent painted, work hours, densities, events per
//    year, the wait before painting, a negative sink value, a molecular
//    weight above 1e7) the value is refused (EVariableInput). A corrected
//    value equal to the stored one is no edit either.
// 3. An input the window does not let the user edit in this scenario
//    (VariationRefusal) is refused.
// 4. The dialog's stores and the window's steps after OK follow: the
//    interzonal airflow, default emissions, sink areas, the rebuilt
//    painting schedule, events per year and in lifetime, the semi-empirical
//    rate constant, each where the program derives it (listed per input in
//    variable_inputs.cpp).
// 5. A value whose painting the schedule cannot hold is refused with the
//    sentence the dialog shows (schedule_fit.h).
//
// The one deliberate difference: after a change of the building volume,
// percent painted, loading ratio, coats or coverage the main window
// re-applies the exposed individual, which sets lifetime, body weight,
// events per year, years of exposure, events in lifetime, both activity
// patterns and the location back to the individual's defaults. Here the
// person is left as the scenario has it: an assessment keeps its own person
// (and any varied person input) whatever building or paint input varies.
// Such inputs are marked ReappliesIndividual. Every other step is the
// program's, also where it replaces a value the scenario held (default
// emissions replace edited emission parameters; the Painting Duration dialog
// replaces events per year by the default; a rebuilt schedule replaces its
// edited breathing rates; a new air exchange rate replaces the interzonal
// airflow).
//
// Several values (ApplyVariableInputs) are applied in the fixed order of
// the table, which is the order of the windows: building, paint, chemical,
// emissions, sinks, person; so that what a group derives (default emissions
// from the volume, events per year from the painting duration) never
// overwrites a varied input of a later group. The schedule is judged once,
// after the last value.
//
// Everything here reads and writes only the state it is given: threads may
// apply values at once, each to its own state.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "field_limits.h"
#include "lumo_errors.h"
#include "lumo_state.h"
#include "schedule_fit.h"

namespace lumo {

// A drawn value that cannot reach the scenario; what() names the input, the
// value and why, and what the input takes.
class EVariableInput : public ELumoError {
 public:
  using ELumoError::ELumoError;
};

// The windows, in the order their inputs are applied.
enum class InputGroup { Building, Paint, Chemical, Emissions, Sinks, Person };

struct VariableInput {
  std::string name;  // the record's field name ("BldgVolume", "SinkArea3")
  std::string unit;  // the stored unit, as the dialog shows it
  FieldLimits limits;
  bool integer = false;  // whole numbers only
  InputGroup group = InputGroup::Building;
  std::string editedIn;  // the dialog or field the program edits it in
  // The main window re-applies the individual after this edit; here it
  // does not (see above).
  bool ReappliesIndividual = false;
  // The input a schedule refusal names; Choice when it does not change the
  // amount of work.
  ScheduleInput schedule = ScheduleInput::Choice;

  // The stored value.
  std::function<double(const ScenarioRecord &)> get;
  // The value as the dialog would store it; throws EVariableInput for one
  // its field refuses. Given a number (not NaN).
  std::function<double(double)> correct;
  // Why the window does not let the user edit it in this scenario, or
  // nothing.
  std::function<std::optional<std::string>(const ScenarioRecord &)> refusal;
  // Stores a corrected value and derives what the program derives.
  std::function<void(TLumoState &, double)> apply;
};

// Every input, in the order of application.
const std::vector<VariableInput> &VariableInputs();
// The input of that name, or null.
const VariableInput *FindVariableInput(std::string_view name);

// What a distribution file is validated against.
struct VariableInputLimits {
  std::string name;
  double min, max;
  bool integer;
  std::string unit;
};
std::vector<VariableInputLimits> VariableInputLimitsList();

// Why `input` cannot vary in this scenario, as a sentence, or nothing.
std::optional<std::string> VariationRefusal(const ScenarioRecord &scenario,
                                            const VariableInput &input);

// Applies one value as described above. Returns false when it was no edit.
// Throws EVariableInput (not a number; refused by the field; refused in
// this scenario; painting the schedule cannot hold). After a throw the
// state may be partly edited: discard it.
bool ApplyVariableInput(TLumoState &state, const VariableInput &input, double value);

struct VariedValue {
  const VariableInput *input;
  double value;
};
// Applies several values in the table's order (whatever their order here),
// then judges the schedule. An input given twice, or one that is not an
// entry of VariableInputs() (null, or a copy), is refused.
void ApplyVariableInputs(TLumoState &state, std::span<const VariedValue> values);

}  // namespace lumo

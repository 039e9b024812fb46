// TLumoState: the one scenario of the program. It owns the scenario record
// (every input and the last run's results) and the painting schedule, sets
// the factory defaults and the default rules for exposure factors, locations
// and activity patterns, computes the quantities derived from the inputs,
// and saves and opens scenario files.
//
// Nothing is recomputed on its own: after an edit the caller invokes the
// derivation operations it needs (SetDefaultEmissions, SetPaintDurationGrid,
// CalcSinkAreas, ...).
//
// Every operation is total over the record's bytes: whatever a file put
// there (zero, negative, NaN or infinite numbers, choice bytes outside their
// types) no operation has undefined behaviour, converts a non-finite number
// to an integer, or loops without bound. Quantities that are doubles follow
// IEEE arithmetic (a zero coverage, application rate, painter count or work
// time gives an infinite or NaN result, which shows the user that the input
// is impossible); the other results for such inputs are stated below.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "activity_pattern.h"
#include "gender.h"
#include "lumo_errors.h"
#include "lumoutil.h"
#include "paint_duration_grid.h"
#include "scenario_enums.h"
#include "scenario_record.h"

namespace lumo {

// What a build of the painting schedule produced: the number of priming rows
// (the first rows) and of painting rows (the rest). The priming rows can
// differ from GetPrimerDays, which divides unrounded hours (8.004 hours at 8
// a day are one period of 8:00 but 2 days).
struct PaintScheduleCounts {
  int PrimingRows = 0;
  int PaintingRows = 0;
  int Rows() const { return PrimingRows + PaintingRows; }
  friend bool operator==(const PaintScheduleCounts &, const PaintScheduleCounts &) = default;
};

// The byte sizes of the two scenario files.
inline constexpr std::size_t kScenarioFileSize = sizeof(ScenarioRecord);     // 3192
inline constexpr std::size_t kScheduleFileSize = sizeof(PaintDurationGrid);  // 102404

// The name of the companion schedule file: `name` with its last character
// replaced by "1" ("lumo.vkx" pairs with "lumo.vk1"). Empty for an empty
// name.
std::string CompanionFileName(const std::string &name);

// The results-file name of a scenario file: its extension (the part of
// the file name from its last period on) replaced by ".CSV", or ".CSV"
// appended when the file name has none.
std::string CSVFileName(const std::string &scenarioFileName);

// The default scenario name: the program's directory, the path separator and
// "lumo.vkx". Just "lumo.vkx" when the program's directory cannot be told or
// the result would not fit the stored file name.
std::string DefaultScenarioFileName();

class TLumoState {
 public:
  // A complete default scenario (SetDefault); the schedule is empty until
  // SetPaintDurationGrid is called.
  TLumoState();
  virtual ~TLumoState();
  TLumoState(const TLumoState &) = delete;
  TLumoState &operator=(const TLumoState &) = delete;

  // The record, edited in place by the windows (a copy of it is the undo of
  // a cancelled dialog).
  lumo::ScenarioRecord ScenarioRecord{};

  // The painting schedule.
  const lumo::PaintDurationGrid &PaintDurationGrid() const { return *grid_; }
  lumo::PaintDurationGrid &PaintDurationGrid() { return *grid_; }

  // ---- Defaults ---------------------------------------------------------

  // Factory defaults for every field except C15min and C8hour (kept). Does
  // not rebuild the schedule; callers follow with SetPaintDurationGrid and
  // CalcSinkAreas. ScenarioFileName becomes "lumo.vkx" (see
  // SetDefaultScenarioFileName).
  void SetDefault();
  // ScenarioFileName := DefaultScenarioFileName().
  void SetDefaultScenarioFileName();

  // Recomputes the eight emission parameters (PrimerChemicalMass to
  // PaintRateConstant2) from volume, percent painted, coats, coverage,
  // loading ratio, densities, weight fractions, vapour pressure, molecular
  // weight and paint type. Alkyd: whole mass, one exponential (100 %), rate
  // from vapour pressure, molecular weight and wet film thickness; latex:
  // a quarter of the mass, 10 % in the first exponential, rates 233.25 ×
  // vapour pressure and 5.84e-5 × molecular weight.
  void SetDefaultEmissions();

  void SetSink(SinkModelType model) { ScenarioRecord.Sinks.SinkModel = model; }

  // Zone of the person during painting: PaintedArea 1, Building 2,
  // NotBuilding 0; 1 for a location outside its type.
  int GetZone() const;

  // Pro: 1500 ÷ (GetPrimerHours + GetPaintHours); Adult in an office
  // building 0.2; DIY or Child in an office building -1.0 (a combination the
  // main window refuses); residence: DIY 7.5 ÷ PercentPainted, Adult and
  // Child 10.0 ÷ PercentPainted. For a person outside their type: the
  // current EventsPerYear.
  double GetDefaultEventsPerYear() const;
  // Pro 25, Adult 50, DIY 50, Child 10; the current value for a person
  // outside their type.
  std::int32_t GetDefaultYearsofExposure() const;
  // YearsofExposure × EventsPerYear rounded to the nearest integer, halves to
  // even (50 × 0.25 = 12.5 gives 12); NaN gives 0, the int32 range limits.
  std::int32_t GetDefaultEventsinLifeTime() const;
  // Child 10.0 years, otherwise GetGenderLifeTime(Gender).
  double GetDefaultLifeTime() const;
  // Child 20.3 kg, otherwise GetGenderBodyWt(Gender).
  double GetDefaultBodyWt() const;
  // Pro PaintedArea; Adult NotBuilding in a HighRise or LowRise, otherwise
  // Building; DIY PaintedArea; Child Building; the current location for a
  // person outside their type.
  IndividualLocationType GetDefaultLocation() const;
  // The default tables for the person, building class and gender; a person
  // outside their type gives the current pattern unchanged.
  ActivityPattern GetWeekDayActivityPattern() const;
  ActivityPattern GetWeekEndActivityPattern() const;

  // The exposed person changes: IndividualType, then LifeTime, BodyWeight,
  // EventsPerYear, YearsofExposure, EventsinLifeTime, both activity patterns
  // and IndividualLocation from their defaults, in that order.
  void ApplyIndividualDefaults(lumo::IndividualType person);
  // The gender changes: Gender, then LifeTime, BodyWeight and both activity
  // patterns from their defaults. The event counts are left alone; the
  // caller rebuilds the schedule (its breathing rate depends on the gender).
  void ApplyGenderDefaults(GenderType gender);

  // ---- Display texts of the record's choices -----------------------------
  // Empty for a value outside its type.

  std::string DaytoString() const;  // of StartDay
  std::string SinkModeltoString() const;
  std::string BldgTypetoString() const;
  std::string PaintTypetoString() const;
  std::string PrimerEmissionsModelTypetoString() const;
  std::string PaintEmissionsModelTypetoString() const;
  std::string IndividualTypetoString() const;
  std::string IndividualLocationTypetoString() const;
  std::string GenderToString() const;

  // ---- Derived quantities (IEEE doubles, see the top of this file) -------

  double GetVolumePainted() const;  // ft³: BldgVolume × PercentPainted ÷ 100
  double GetPrimeVolume() const;    // gal: painted volume × coats × loading ratio ÷ coverage
  double GetPaintVolume() const;
  double GetPrimerHours() const;  // primer gallons ÷ application rate ÷ painters
  double GetPaintHours() const;
  // Hours ÷ work hours per day, rounded up (a fraction below 0.00001 counts
  // as none): 16.0 h at 8 h a day is 2 days, 16.5 h is 3. A NaN, zero or
  // negative quotient gives 0; one beyond the int32 range (an infinite one,
  // from zero work hours, too) gives its largest value.
  std::int32_t GetPrimerDays() const;
  std::int32_t GetPaintDays() const;
  // ft²: LoadingRatio × BldgVolume × PercentPainted ÷ 100.
  double GetCalculatedSurfaceArea() const;
  // ft³/hour: residence (0.39 × AirExchangeRate + 0.046) × BldgVolume;
  // otherwise painted share × volume × unpainted share. Only returned.
  double CalcInterZonalAirFlow() const;
  // LoadingRatio from the surface and the building class: Walls 0.29 / 0.25,
  // Ceilings 0.13 / 0.10, Both 0.42 / 0.35 (residence / office). A surface
  // outside its type leaves LoadingRatio unchanged.
  void SetDefaultLoadRatio();
  // Default sink areas in m² (1, 2, 4 and 5; the "other" sinks 3 and 6 are
  // left as they are) from the zone volumes, the building class and the
  // painted surface. A surface outside its type leaves sink 2 unchanged.
  void CalcSinkAreas();

  // ---- Painting schedule -------------------------------------------------

  // Rebuilds the schedule from the current inputs: work starts at 09:00,
  // priming first (one row per day, at most PrimerWorkHours a day), then
  // painting (same day after HoursTillPaint when there is time left and the
  // interval is PAINTSAMEDAY, otherwise the next or the second day). Throws
  // ETooManyOverrideRows ("Painting Limits exceeded") when an 801st row
  // would be needed; the 800 rows made so far stay. Non-finite or
  // non-positive hours give no rows for that side; work hours of less than
  // a minute with work left to do fill the 800 rows and throw.
  PaintScheduleCounts SetPaintDurationGrid();
  // The same build into another grid; the state's schedule is not touched.
  PaintScheduleCounts BuildPaintDurationGrid(lumo::PaintDurationGrid &grid) const;
  // The counts a build would give now, without keeping the rows; throws
  // ETooManyOverrideRows like the build.
  PaintScheduleCounts CountPaintDurationGridRows() const;

  // ---- Scenario files ----------------------------------------------------

  // Writes the record to `name` (3192 bytes, padding as zero) and the
  // schedule to its companion (102404 bytes), each through a temporary file
  // renamed over the old one; then ScenarioFileName := name. On failure
  // throws EWriteError naming the file and the cause, and the files that
  // were there before are as they were (a companion already replaced is put
  // back). Throws EScenarioName, before touching anything, for an empty
  // name, a name ending in "1" or one that does not fit ScenarioFileName.
  void SaveState(const std::string &name);

  // Reads and checks both files completely, then replaces the record and
  // the schedule together and sets ScenarioFileName := name. Errors leave
  // the scenario untouched: EScenarioName as for SaveState; EFOpenError
  // ("<file> Does not Exist", the companion checked first); EReadError
  // ("Error Reading File", a file that cannot be opened or is not a regular
  // file); EInOutError ("File is Corrupt or Incomplete", a file of the wrong
  // size or one that fails while read). Padding bytes become zero; every
  // other byte is taken as read.
  void GetState(const std::string &name);

  // Fills the results-file name from ScenarioFileName (CSVFileName).
  // Returns the zero-terminated text (UTF-8), which stays valid until the
  // next call.
  const char *GetCSVName();
  const char *CSVName() const { return csvName_.data(); }
  char *CSVNameBuffer() { return csvName_.data(); }

  // Holds any name that fits ScenarioFileName, in UTF-8, with ".CSV" and
  // the terminator.
  static constexpr std::size_t kCSVNameCapacity = 3 * 255 + 4 + 1;

 private:
  // The schedule build: into `grid`, or only counted when it is null.
  PaintScheduleCounts MakePaintSchedule(lumo::PaintDurationGrid *grid) const;

  std::array<char, kCSVNameCapacity> csvName_{};
  std::unique_ptr<lumo::PaintDurationGrid> grid_;
};

}  // namespace lumo

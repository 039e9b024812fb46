#include "input_dump.h"

#include <cstdarg>
#include <cstdio>

#include "record_lists.h"

namespace lumo {
namespace {

class DumpFile {
 public:
  explicit DumpFile(const char *path) : file_(std::fopen(path, "wb")) {}
  ~DumpFile() {
    if (file_ != nullptr) std::fclose(file_);
  }
  DumpFile(const DumpFile &) = delete;
  DumpFile &operator=(const DumpFile &) = delete;

  bool isOpen() const { return file_ != nullptr; }

  // One formatted line; the line end is added here.
  [[gnu::format(printf, 2, 3)]] void line(const char *format, ...) {
    va_list args;
    va_start(args, format);
    std::vfprintf(file_, format, args);
    va_end(args);
    std::fputs("\r\n", file_);
  }

 private:
  std::FILE *file_;
};

void writeFloats(DumpFile &out, const FloatList &list) {
  out.line("Entries: %d", list.Entries);
  int i = 0;
  for (float v : entriesOf(list.Entries, list.List)) out.line("%i:  %10.5f", i++, v);
}

void writeActivities(DumpFile &out, const ActivityList &list) {
  out.line("Entries: %d", list.Entries);
  int i = 0;
  for (const ActivityRecord &a : entriesOf(list.Entries, list.List)) {
    out.line("%d: Zone: %d", i++, a.Zone);
    out.line("Days: %10.5f", a.Days);
    out.line("Breathing Rate: %10.5f", a.BreathingRate);
  }
}

void writeOverrides(DumpFile &out, const OverrideList &list) {
  out.line("Entries: %d", list.Entries);
  for (const OverrideRecord &o : entriesOf(list.Entries, list.List)) {
    out.line("Zone:           %d", o.Zone);
    out.line("Enter Time:     %10.5f", o.EnterTime);
    out.line("Exit Time:      %10.5f", o.ExitTime);
    out.line("Breathing Rate: %10.5f", o.BreathingRate);
  }
}

void writePrimaryDays(DumpFile &out, const int32_t *days) {
  if (days == nullptr) return;
  static const char *const kLabels[7] = {"Monday   ", "Tuesday  ", "Wednesday", "Thursday ",
                                         "Friday   ", "Saturday ", "Sunday   "};
  for (int i = 0; i < 7; ++i) out.line("%s: %d", kLabels[i], days[i]);
}

void writeEmissions(DumpFile &out, const EmissionRateIncrementalList &list) {
  out.line("Entries: %d", list.Entries);
  for (const EmissionRateIncrementalRecord &e : entriesOf(list.Entries, list.List)) {
    out.line("Zone:          %d", e.Zone);
    out.line("Start Time:    %10.5f", e.StartTime);
    out.line("Mass Released: %10.5f", e.MassReleased);
    out.line("Rate Constant: %10.5f", e.RateConstant);
    out.line("Duration:      %10.5f", e.Duration);
  }
}

void writeFirstOrderSinks(DumpFile &out, const FirstOrderSinkList &list) {
  out.line("Entries:  %d", list.Entries);
  for (const FirstOrderSinkRecord &s : entriesOf(list.Entries, list.List)) {
    out.line("Sink Type:     %d", s.SinkType);
    out.line("Zone:          %d", s.Zone);
    out.line("Rate Constant: %10.5f", s.RateConstant);
  }
}

void writeLangmuirSinks(DumpFile &out, const LangmuirSinkList &list) {
  out.line("Entries: %d", list.Entries);
  for (const LangmuirSinkRecord &s : entriesOf(list.Entries, list.List)) {
    out.line("Sink Type:       %d", s.SinkType);
    out.line("Zone:            %d", s.Zone);
    out.line("Absorption Rate: %10.5f", s.AbsorptionRate);
    out.line("Desorption Rate: %10.5f", s.DesorptionRate);
    out.line("Area:            %10.5f", s.Area);
    out.line("Langmuir Mass:   %10.5f", s.LangmuirMass);
  }
}

void writeResults(DumpFile &out, const ExecutionResultsRecord &r) {
  out.line("--------------------------------------------");
  out.line("------------- ExecutionResultsRecord -------");
  out.line("--------------------------------------------");
  const struct {
    const char *label;
    float value;
  } fields[] = {{"LADD:", r.LADD},      {"ADD:", r.ADD},
                {"LADC:", r.LADC},      {"ADC:", r.ADC},
                {"Cpeak:", r.Cpeak},    {"SingleEventDose:", r.SingleEventDose},
                {"APDR:", r.APDR},      {"APDRtime:", r.APDRtime},
                {"C15-min:", r.C15min}, {"C8-hour:", r.C8hour}};
  for (const auto &field : fields) out.line("   %-17s%10.5f", field.label, field.value);
}

}  // namespace

void writeInputDump(const TransferRecord &r, const char *path) {
  DumpFile out(path);
  if (!out.isOpen()) return;

  out.line("Zones:          %d", r.Zones);
  out.line(" --------------- Initial Concentration");
  out.line("OutdoorC: %10.5f", r.InitialConcentrationRecord.OutdoorC);
  out.line("Zone1C:   %10.5f", r.InitialConcentrationRecord.Zone1C);
  out.line("Zone2C:   %10.5f", r.InitialConcentrationRecord.Zone2C);
  out.line(" --------------- Airflow 1");
  writeFloats(out, r.AirFlowRecordOne);
  out.line(" -------------- Airflow 2");
  writeFloats(out, r.AirFlowRecordTwo);
  out.line(" --------------- Volume Record");
  out.line("Zone1Volume: %10.5f", r.VolumeRecord.Zone1Volume);
  out.line("Zone2Volume: %10.5f", r.VolumeRecord.Zone2Volume);
  out.line(" --------------- Primary Activity List");
  writeActivities(out, r.PrimaryActivityList);
  out.line(" --------------- Secondary Activity List");
  writeActivities(out, r.SecondaryActivityList);
  out.line(" --------------- Override Activity List");
  writeOverrides(out, r.OverrideActivityList);
  out.line(" --------------- Primary Days List");
  writePrimaryDays(out, r.PrimaryDaysList);
  out.line(" --------------- Emission Rate Incremental List");
  writeEmissions(out, r.EmissionRateIncrementalList);
  out.line(" --------------- FirstOrderSinkList");
  writeFirstOrderSinks(out, r.FirstOrderSinkList);
  out.line(" --------------- LangmuirSinkList");
  writeLangmuirSinks(out, r.LangmuirSinkList);
  out.line("SaturationConcentration: %10.5f", r.SaturationConcentration);
  out.line("StartTime:       %10.5f", r.StartTime);
  out.line("EndTime:         %10.5f", r.EndTime);
  out.line("ReportInterval:  %10.5f", r.ReportInterval);
  out.line("EventsPerYear:   %10.5f", r.EventsPerYear);
  out.line("BodyWeight:      %10.5f", r.BodyWeight);
  out.line("YearsofExposure: %10.5f", r.YearsofExposure);
  out.line("AverageLifeTime: %10.5f", r.AverageLifeTime);
  out.line("filename:        %s", r.filename != nullptr ? r.filename : "");
  writeResults(out, r.ExecutionResultsRecord);
}

}  // namespace lumo

// Completing the record with the run constants and file names, and starting,
// stopping and finishing a run.
#include "lumo_transfer.h"
#include "platform.h"
#include "results_provenance.h"
#include "scenario_check.h"

namespace lumo {

namespace {

// Far above any concentration: the engine's saturation limit stays inactive.
constexpr float kSaturationConcentration = 9e33f;

void RefuseUnwritable(const std::string &path, const char *what, const char *remedy) {
  const std::string cause = platform::FileWriteProblem(path);
  if (!cause.empty())
    throw platform::FileError("The run was not started: " + std::string(what) + " " + path +
                              " cannot be written (" + cause + "). " + remedy);
}

}  // namespace

std::string LumoTransfer::DumpFileName() const {
  return programDirectory_ + platform::PathSeparator() + "xferlumo32.txt";
}

std::string LumoTransfer::ConcentrationFileName() {
  return GetCSVName();
}

void LumoTransfer::FillTransferRecord() {
  if (auto problem = FindScenarioProblem(ScenarioRecord, PaintDurationGrid()))
    throw EScenarioCheck(*problem);

  record_.Zones = NumZones();
  SetVolumeRecord();
  SetAirFlowRecordOne();
  SetAirFlowRecordTwo();
  SetInitialConcentrationRecord();
  SetPrimaryActivityPatternList();
  SetSecondaryActivityPatternList();
  SetOverridePatternList();
  SetPrimaryDaysList();
  SetEmissionRateIncrementalList();
  SetFirstOrderSinkList();
  SetLangmuirSinkList();

  const auto &s = ScenarioRecord;
  record_.SaturationConcentration = kSaturationConcentration;
  // The clock starts with the first emission increment; a scenario that
  // releases nothing starts at midnight of the first day.
  const auto &emissions = record_.EmissionRateIncrementalList;
  record_.StartTime = emissions.Entries > 0 ? emissions.List[0].StartTime : 0.0f;
  record_.EndTime = static_cast<float>(double(s.RunLength) + double(record_.StartTime));
  record_.ReportInterval = static_cast<float>(s.ReportInterval / 1440.0);
  record_.EventsPerYear = static_cast<float>(s.EventsPerYear);
  record_.BodyWeight = static_cast<float>(s.BodyWeight);
  record_.YearsofExposure = static_cast<float>(s.YearsofExposure);
  record_.AverageLifeTime = static_cast<float>(s.LifeTime * 365.0);
  record_.filename = CSVNameBuffer();
  GetCSVName();
}

RunId LumoTransfer::ExecuteLUMO(RunNotifications &owner, std::string *error) {
  // Refuse before touching the record while a run is still going.
  if (worker_.Running()) {
    if (error) *error = "A calculation is already running; stop it first";
    return 0;
  }
  const std::uint32_t inputs = InputsChecksum(ScenarioRecord, PaintDurationGrid());
  FillTransferRecord();
  std::string csv = ConcentrationFileName();
  // The engine would skip a file it cannot write and carry on; a run whose
  // concentrations or diagnostics go nowhere is refused before it starts.
  RefuseUnwritable(csv, "the concentration file",
                   "It is written beside the scenario file: save the scenario in a folder you "
                   "can write to.");
  RefuseUnwritable(DumpFileName(), "the input dump", "The program's folder must be writable.");
  RunId run = worker_.Start(SnapshotRecord(record_, DumpFileName(), csv), owner, error);
  if (run != 0) runInputs_ = inputs;
  return run;
}

void LumoTransfer::StopExecution() {
  worker_.StopXfer();
}

bool LumoTransfer::AfterExecution(const ExecutionResultsRecord &r) {
  auto &s = ScenarioRecord;
  s.LADD = r.LADD;
  s.ADD = r.ADD;
  s.LADC = r.LADC;
  s.ADC = r.ADC;
  s.Cpeak = r.Cpeak;
  s.APDR = r.APDR;
  s.APDRtime = r.APDRtime;
  s.SingleEventDose = r.SingleEventDose;
  s.C15min = r.C15min;
  s.C8hour = r.C8hour;
  StampResults(s, runInputs_);
  return true;
}

}  // namespace lumo

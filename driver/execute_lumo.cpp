// Filling the record, and starting, stopping and finishing a run.
#include "assemble_engine_inputs.h"
#include "lumo_transfer.h"
#include "platform.h"
#include "results_provenance.h"

namespace lumo {

namespace {

void RefuseUnwritable(const std::string &path, const char *what, const char *remedy) {
  const std::string cause = platform::FileWriteProblem(path);
  if (!cause.empty())
    throw platform::FileError("The run was not started: " + std::string(what) + " " + path +
                              " cannot be written (" + cause + "). " + remedy);
}

}  // namespace

std::string LumoTransfer::DumpFileName() const {
  return diagnosticsDirectory_ + platform::PathSeparator() + "xferlumo32.txt";
}

std::string LumoTransfer::ConcentrationFileName() {
  return GetCSVName();
}

void LumoTransfer::FillTransferRecord() {
  EngineAssembly assembly = AssembleEngineRecord(ScenarioRecord, PaintDurationGrid());
  platform::ReplaceFileContents(diagnosticsDirectory_ + platform::PathSeparator() + "emission.csv",
                                assembly.emissionDump);
  inputs_ = std::move(assembly.inputs);
  record_ = BindRecord(inputs_);
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
  RefuseUnwritable(DumpFileName(), "the input dump",
                   "Its folder (the program's, or the user's state folder for an installed "
                   "program) must be writable.");
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

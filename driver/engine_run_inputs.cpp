#include "engine_run_inputs.h"

namespace lumo {

namespace {

template <typename T>
std::vector<T> CopyList(std::int32_t entries, const T *list) {
  if (entries <= 0 || list == nullptr) return {};
  return std::vector<T>(list, list + entries);
}

template <typename T>
T *FirstOrNull(std::vector<T> &v) {
  return v.empty() ? nullptr : v.data();
}

}  // namespace

EngineRunInputs SnapshotRecord(const TransferRecord &record, std::string dumpFileName,
                               std::string csvFileName) {
  EngineRunInputs in;
  in.record = record;
  in.airFlowOne = CopyList(record.AirFlowRecordOne.Entries, record.AirFlowRecordOne.List);
  in.airFlowTwo = CopyList(record.AirFlowRecordTwo.Entries, record.AirFlowRecordTwo.List);
  in.primaryActivities =
      CopyList(record.PrimaryActivityList.Entries, record.PrimaryActivityList.List);
  in.secondaryActivities =
      CopyList(record.SecondaryActivityList.Entries, record.SecondaryActivityList.List);
  in.overrides = CopyList(record.OverrideActivityList.Entries, record.OverrideActivityList.List);
  if (record.PrimaryDaysList)
    for (std::size_t i = 0; i < in.primaryDays.size(); ++i)
      in.primaryDays[i] = record.PrimaryDaysList[i];
  in.emissions =
      CopyList(record.EmissionRateIncrementalList.Entries, record.EmissionRateIncrementalList.List);
  in.firstOrderSinks = CopyList(record.FirstOrderSinkList.Entries, record.FirstOrderSinkList.List);
  in.langmuirSinks = CopyList(record.LangmuirSinkList.Entries, record.LangmuirSinkList.List);
  if (record.filename) in.recordFileName = record.filename;
  in.dumpFileName = std::move(dumpFileName);
  in.csvFileName = std::move(csvFileName);
  return in;
}

TransferRecord BindRecord(EngineRunInputs &in) {
  TransferRecord r = in.record;
  r.AirFlowRecordOne = {static_cast<std::int32_t>(in.airFlowOne.size()),
                        FirstOrNull(in.airFlowOne)};
  r.AirFlowRecordTwo = {static_cast<std::int32_t>(in.airFlowTwo.size()),
                        FirstOrNull(in.airFlowTwo)};
  r.PrimaryActivityList = {static_cast<std::int32_t>(in.primaryActivities.size()),
                           FirstOrNull(in.primaryActivities)};
  r.SecondaryActivityList = {static_cast<std::int32_t>(in.secondaryActivities.size()),
                             FirstOrNull(in.secondaryActivities)};
  r.OverrideActivityList = {static_cast<std::int32_t>(in.overrides.size()),
                            FirstOrNull(in.overrides)};
  r.PrimaryDaysList = in.primaryDays.data();
  r.EmissionRateIncrementalList = {static_cast<std::int32_t>(in.emissions.size()),
                                   FirstOrNull(in.emissions)};
  r.FirstOrderSinkList = {static_cast<std::int32_t>(in.firstOrderSinks.size()),
                          FirstOrNull(in.firstOrderSinks)};
  r.LangmuirSinkList = {static_cast<std::int32_t>(in.langmuirSinks.size()),
                        FirstOrNull(in.langmuirSinks)};
  r.filename = in.recordFileName.data();
  return r;
}

}  // namespace lumo

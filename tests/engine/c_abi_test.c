/* The public header compiled as C and linked against the library by its
 * export names: one small run through the five entry points. A person
 * outdoors at a constant 2 mg/m³ for two hours must see exactly that. Then
 * the answers for a failed run, a refused rate and a discarded run. */
#include <math.h>
#include <stdio.h>
#include <string.h>

#include "lumo32.h"

static int failures = 0;

static void check(int ok, const char *what) {
  if (!ok) {
    fprintf(stderr, "FAILED: %s\n", what);
    ++failures;
  }
}

int main(void) {
  float flowsOne[2] = {0.0f, 0.0f};
  float flowsTwo[4] = {0.0f, 0.0f, 0.0f, 0.0f};
  ActivityRecord outdoors[1] = {{0, 0.0f, 24.0f}};
  int32_t primaryDays[7] = {1, 1, 1, 1, 1, 1, 1};
  char csvName[] = "c_abi.csv";
  TransferRecord r;
  memset(&r, 0, sizeof r);
  r.Zones = 1;
  r.InitialConcentrationRecord.OutdoorC = 2.0f;
  r.AirFlowRecordOne.Entries = 2;
  r.AirFlowRecordOne.List = flowsOne;
  r.AirFlowRecordTwo.Entries = 4;
  r.AirFlowRecordTwo.List = flowsTwo;
  r.VolumeRecord.Zone1Volume = 10.0f;
  r.PrimaryActivityList.Entries = 1;
  r.PrimaryActivityList.List = outdoors;
  r.PrimaryDaysList = primaryDays;
  r.SaturationConcentration = 9e33f;
  r.EndTime = 2.0f / 24.0f;
  r.ReportInterval = 1.0f / 24.0f;
  r.EventsPerYear = 1.0f;
  r.BodyWeight = 60.0f;
  r.YearsofExposure = 1.0f;
  r.AverageLifeTime = 1.0f;
  r.filename = csvName;

  check(_InitLmuo(&r, NULL, NULL) == 1, "_InitLmuo accepts the record");
  check(_OneLoop() == 50.0, "first hour is half the run");
  check(_OneLoop() == 100.0, "second hour completes it");
  check(_GetValues() == 1, "_GetValues returns 1");
  check(r.ExecutionResultsRecord.Cpeak == 2.0f, "peak is the outdoor concentration");
  check(fabs(r.ExecutionResultsRecord.SingleEventDose - 4.0) < 1e-5, "dose 24 * 2 * 2/24 mg");
  check(fabs(r.ExecutionResultsRecord.C15min - 2.0) < 1e-5, "15-minute average");
  check(strlen(_GetHelpString(0)) > 0 && strlen(_GetHelpString(LUMO32_HELP_COUNT)) == 0,
        "help texts");
  check(_OneLoop() == 100.0 && _GetValues() == 1, "no run after _GetValues");

  /* Zone 1 flushed faster than the engine integrates: refused. */
  flowsOne[1] = (float)(LUMO32_MAX_EXCHANGE_RATE * 1.01) * r.VolumeRecord.Zone1Volume;
  check(_InitLmuo(&r, NULL, NULL) == 0, "a rate above LUMO32_MAX_EXCHANGE_RATE is refused");
  flowsOne[1] = 0.0f;

  /* An emission that grows without bound: the run fails and stays failed. */
  {
    EmissionRateIncrementalRecord growing[1] = {{1, 0.0f, 1000.0f, -20000.0f, 1.0f}};
    double answer = 0.0;
    int calls = 0;
    r.EmissionRateIncrementalList.Entries = 1;
    r.EmissionRateIncrementalList.List = growing;
    r.ExecutionResultsRecord.Cpeak = -5.0f;
    check(_InitLmuo(&r, NULL, NULL) == 1, "_InitLmuo accepts the growing emission");
    while ((answer = _OneLoop()) >= 0.0 && answer < 100.0 && ++calls < 10) {
    }
    check(answer == LUMO32_RUN_FAILED, "the overflowing run answers LUMO32_RUN_FAILED");
    check(_OneLoop() == LUMO32_RUN_FAILED, "and keeps answering it");
    check(_GetValues() == 0 && r.ExecutionResultsRecord.Cpeak == -5.0f, "no results");
    check(LUMO32_CSV_WRITE_FAILED < 0.0 && LUMO32_CSV_WRITE_FAILED != LUMO32_RUN_FAILED,
          "the two failures differ");
    check(_InitLmuo(NULL, NULL, NULL) == 0 && _OneLoop() == 100.0, "discarding ends it");
  }
  return failures == 0 ? 0 : 1;
}

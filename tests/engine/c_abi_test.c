/* The public header compiled as C and linked against the library by its
 * export names: one small run through the five classic entry points. A
 * person outdoors at a constant 2 mg/m³ for two hours must see exactly that.
 * The same run through a run handle, with the same results; then the answers
 * for a failed run, a refused rate and a discarded run, both ways. */
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

  /* The same run behind a handle, bound through the pointer types. */
  {
    Lumo32CreateRunFn createRun = lumo32_CreateRun;
    Lumo32StepRunFn stepRun = lumo32_StepRun;
    Lumo32RunToEndFn runToEnd = lumo32_RunToEnd;
    Lumo32RunResultsFn runResults = lumo32_RunResults;
    Lumo32FreeRunFn freeRun = lumo32_FreeRun;
    ExecutionResultsRecord results;
    LumoRun *run = createRun(&r, NULL);
    LumoRun *other = createRun(&r, NULL);
    memset(&results, 0, sizeof results);
    check(run != NULL && other != NULL, "lumo32_CreateRun accepts the record twice");
    check(stepRun(run) == 50.0, "first hour of the handle's run");
    check(runResults(run, &results) == 0, "no results half way");
    check(stepRun(run) == 100.0 && stepRun(run) == 100.0, "complete, and stays so");
    check(runResults(run, &results) == 1, "lumo32_RunResults returns 1");
    check(memcmp(&results, &r.ExecutionResultsRecord, sizeof results) == 0,
          "the results of _GetValues, to the bit");
    check(runToEnd(other) == 100.0 && runResults(other, &results) == 1 &&
              memcmp(&results, &r.ExecutionResultsRecord, sizeof results) == 0,
          "lumo32_RunToEnd gives them too");
    freeRun(run);
    freeRun(other);
    freeRun(NULL);
    check(stepRun(NULL) == LUMO32_RUN_FAILED && runToEnd(NULL) == LUMO32_RUN_FAILED &&
              runResults(NULL, &results) == 0 && createRun(NULL, NULL) == NULL,
          "null handles");
  }

  /* Zone 1 flushed faster than the engine integrates: refused. */
  flowsOne[1] = (float)(LUMO32_MAX_EXCHANGE_RATE * 1.01) * r.VolumeRecord.Zone1Volume;
  check(_InitLmuo(&r, NULL, NULL) == 0, "a rate above LUMO32_MAX_EXCHANGE_RATE is refused");
  check(lumo32_CreateRun(&r, NULL) == NULL, "lumo32_CreateRun refuses it too");
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
    {
      LumoRun *run = lumo32_CreateRun(&r, NULL);
      ExecutionResultsRecord results;
      results.Cpeak = -5.0f;
      check(run != NULL && lumo32_RunToEnd(run) == LUMO32_RUN_FAILED &&
                lumo32_StepRun(run) == LUMO32_RUN_FAILED,
            "the handle's run fails the same way");
      check(lumo32_RunResults(run, &results) == 0 && results.Cpeak == -5.0f, "and has no results");
      lumo32_FreeRun(run);
    }
  }
  return failures == 0 ? 0 : 1;
}

/*
 * lumo32 — the calculation engine's public C interface.
 *
 * The program and the engine meet only here: C-convention exports and one
 * plain record of fixed layout. Five classic exports drive the one current
 * run of the process (rules 1 to 9); five more drive runs of the caller's
 * own, any number at once, in any threads (rules 10 to 15).
 *
 * Rules of the interface:
 *  1. The caller owns the TransferRecord and every array it points to. The
 *     engine copies all inputs during _InitLmuo and reads the list arrays and
 *     the two file-name arguments only then.
 *  2. The engine keeps the record's address and writes ExecutionResultsRecord
 *     through it in _GetValues, so the record must stay alive, at the same
 *     address, from _InitLmuo until _GetValues has returned.
 *  3. Errors come back as results, never as exceptions: _InitLmuo returns 1
 *     for a run that is initialised and 0 for a rejected record; _OneLoop
 *     returns the percent complete (exactly 100 when the run is complete, and
 *     100 when no run is initialised); _GetValues returns 1.
 *  4. Calling order for one run: _InitLmuo once; while it returned 1,
 *     _OneLoop until it returns 100; then _GetValues once. A run may be
 *     abandoned after any _OneLoop call. _GetHelpString and _SayHello do not
 *     depend on runs.
 *  5. Text crossing the interface is NUL-terminated 8-bit text. The help
 *     texts returned by _GetHelpString belong to the library and live until
 *     it is unloaded.
 *  6. Units inside the record: days, m³, m³/day, mg/m³, mg, kg (see fields).
 *  7. A run fails, rather than reporting numbers that are not results, when
 *     a value of the calculation stops being a finite number or a row of the
 *     concentration file cannot be written: _OneLoop then answers a negative
 *     value (LUMO32_RUN_FAILED or LUMO32_CSV_WRITE_FAILED) and keeps
 *     answering it until the next _InitLmuo, and _GetValues writes no results
 *     and returns 0. The failed run's concentration file is closed at once,
 *     holding the rows written before the failure. A header that cannot be
 *     written fails the run as it starts: _InitLmuo returns 1 and the first
 *     _OneLoop answers LUMO32_CSV_WRITE_FAILED. _GetValues also returns 0,
 *     writing nothing, when any of the ten results is not a finite number.
 *     For every run that does not fail, the five exports keep the answers of
 *     rule 3.
 *  8. _InitLmuo with a null record discards the current run (closing its
 *     concentration file) and returns 0; a caller that abandons a run uses
 *     it to release the file at once.
 *  9. Every rate of exchange in the record must be at most
 *     LUMO32_MAX_EXCHANGE_RATE per day; _InitLmuo refuses a record with a
 *     faster one. The rates, in m³/day over m³ and per day, with absolute
 *     values of the record's numbers: for zone 1 and, in a two-zone run,
 *     zone 2, the flows out of the zone (to the outdoors and to the other
 *     zone) plus its first-order sinks' RateConstant plus its reversible
 *     sinks' AbsorptionRate × Area, over the zone's volume; for each
 *     reversible sink of a zone the run has (outdoors included),
 *     DesorptionRate × Area. Sinks of zones the run lacks do not count. Each
 *     30-second step is integrated in as many equal sub-steps as the fastest
 *     rate needs: ceil(rate / 1440), one for every rate up to 1440 per day.
 * 10. Runs of the caller's own live behind an opaque LumoRun handle:
 *     lumo32_CreateRun; lumo32_StepRun until it answers 100, or
 *     lumo32_RunToEnd; lumo32_RunResults; lumo32_FreeRun once for every
 *     handle created. Runs share nothing with one another or with the
 *     current run of the classic exports: different runs may be used at the
 *     same time from different threads; one run is used by one thread at a
 *     time. The classic exports are not for concurrent use.
 * 11. lumo32_CreateRun reads the record, its lists and the file name only
 *     during the call and never writes into the record; the run it returns
 *     owns copies of everything. It accepts and refuses records exactly as
 *     _InitLmuo does (rule 9 included, with the same sub-steps) and returns
 *     NULL for a refused record, a null record, or a run it cannot allocate.
 *     It writes no input dump. With a null csvFileName the run writes no
 *     concentration file; otherwise an accepted record's run creates or
 *     replaces that file and writes it as the current run of _InitLmuo does
 *     (a file that cannot be created is skipped; a refused record creates
 *     none). Runs that exist at the same time need different file names.
 *     A header that cannot be written fails the run as it starts: the
 *     handle is returned and its first lumo32_StepRun answers
 *     LUMO32_CSV_WRITE_FAILED.
 * 12. lumo32_StepRun advances the run by one report interval and answers as
 *     _OneLoop does for the current run (rules 3 and 7): the percent
 *     complete, exactly 100 once the run is complete and on every later
 *     call; or, for a failed run, LUMO32_RUN_FAILED or
 *     LUMO32_CSV_WRITE_FAILED, repeated on every later call, its file closed
 *     at once with the rows written before the failure. An error inside a
 *     step fails the run with LUMO32_RUN_FAILED.
 * 13. lumo32_RunToEnd calls lumo32_StepRun until the run is complete or has
 *     failed and answers the last answer: 100 or the failure's. The run and
 *     its file are then exactly as after those calls of lumo32_StepRun.
 * 14. lumo32_RunResults, for a complete run, writes the ten results (the
 *     numbers _GetValues writes into the record after a run of the same
 *     record) into *results and returns 1. For a run that is not complete
 *     or has failed, or whose results are not all finite numbers, it writes
 *     nothing and returns 0. It changes nothing in the run and may be called
 *     any number of times.
 * 15. lumo32_FreeRun releases the run and closes its file; the handle is
 *     invalid afterwards. NULL is allowed. For a null handle lumo32_StepRun
 *     and lumo32_RunToEnd answer LUMO32_RUN_FAILED; lumo32_RunResults
 *     returns 0 for a null handle or a null results address.
 */
#ifndef LUMO32_H
#define LUMO32_H

#include <stdint.h>

#if defined(_WIN32)
#if defined(LUMO32_BUILDING)
#define LUMO32_EXPORT __declspec(dllexport)
#else
#define LUMO32_EXPORT __declspec(dllimport)
#endif
#define LUMO32_CALL __cdecl
#else
#if defined(LUMO32_BUILDING)
#define LUMO32_EXPORT __attribute__((visibility("default")))
#else
#define LUMO32_EXPORT
#endif
#define LUMO32_CALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A list: a count followed by the address of its first element. */
typedef struct FloatList {
  int32_t Entries;
  float *List;
} FloatList;

typedef struct InitialConcentrationRecord {
  float OutdoorC; /* mg/m³, node 0 */
  float Zone1C;   /* mg/m³, node 1 */
  float Zone2C;   /* mg/m³, node 2 */
} InitialConcentrationRecord;

typedef struct VolumeRecord {
  float Zone1Volume; /* m³ */
  float Zone2Volume; /* m³ */
} VolumeRecord;

typedef struct ActivityRecord {
  int32_t Zone;        /* node the person enters: 0 outdoors, 1, 2 */
  float Days;          /* time of day (fraction of a day) of entering */
  float BreathingRate; /* m³/day */
} ActivityRecord;

typedef struct ActivityList {
  int32_t Entries;
  ActivityRecord *List;
} ActivityList;

typedef struct OverrideRecord {
  int32_t Zone;
  float EnterTime;     /* days on the clock */
  float ExitTime;      /* days on the clock */
  float BreathingRate; /* m³/day */
} OverrideRecord;

typedef struct OverrideList {
  int32_t Entries;
  OverrideRecord *List;
} OverrideList;

typedef struct EmissionRateIncrementalRecord {
  int32_t Zone;
  float StartTime;    /* days */
  float MassReleased; /* mg */
  float RateConstant; /* 1/day */
  float Duration;     /* days */
} EmissionRateIncrementalRecord;

typedef struct EmissionRateIncrementalList {
  int32_t Entries;
  EmissionRateIncrementalRecord *List;
} EmissionRateIncrementalList;

typedef struct FirstOrderSinkRecord {
  int32_t SinkType; /* not read by the engine */
  int32_t Zone;
  float RateConstant; /* m³/day */
} FirstOrderSinkRecord;

typedef struct FirstOrderSinkList {
  int32_t Entries;
  FirstOrderSinkRecord *List;
} FirstOrderSinkList;

typedef struct LangmuirSinkRecord {
  int32_t SinkType; /* not read by the engine */
  int32_t Zone;
  float AbsorptionRate; /* m/day */
  float DesorptionRate; /* 1/day */
  float Area;           /* m² */
  float LangmuirMass;   /* mg, sink loading at StartTime */
} LangmuirSinkRecord;

typedef struct LangmuirSinkList {
  int32_t Entries;
  LangmuirSinkRecord *List;
} LangmuirSinkList;

typedef struct ExecutionResultsRecord {
  float LADD;            /* mg/kg/day */
  float ADD;             /* mg/kg/day */
  float LADC;            /* mg/m³ */
  float ADC;             /* mg/m³ */
  float Cpeak;           /* mg/m³ */
  float SingleEventDose; /* mg */
  float APDR;            /* mg/kg/day */
  float APDRtime;        /* days */
  float C15min;          /* mg/m³ */
  float C8hour;          /* mg/m³ */
} ExecutionResultsRecord;

typedef struct TransferRecord {
  int32_t Zones; /* 1 or 2 */
  InitialConcentrationRecord InitialConcentrationRecord;
  FloatList AirFlowRecordOne; /* [0] out->z1, [1] z1->out, m³/day */
  FloatList AirFlowRecordTwo; /* [0] out->z2, [1] z2->out, [2] z1->z2, [3] z2->z1 */
  VolumeRecord VolumeRecord;
  ActivityList PrimaryActivityList;
  ActivityList SecondaryActivityList;
  OverrideList OverrideActivityList;
  int32_t *PrimaryDaysList; /* 7 entries, one per day slot */
  EmissionRateIncrementalList EmissionRateIncrementalList;
  FirstOrderSinkList FirstOrderSinkList;
  LangmuirSinkList LangmuirSinkList;
  float SaturationConcentration; /* mg/m³ */
  float StartTime;               /* days */
  float EndTime;                 /* days */
  float ReportInterval;          /* days */
  float EventsPerYear;           /* 1/year */
  float BodyWeight;              /* kg */
  float YearsofExposure;         /* years */
  float AverageLifeTime;         /* days */
  ExecutionResultsRecord ExecutionResultsRecord;
  char *filename; /* results CSV name, echoed in the dump */
} TransferRecord;

/* The five classic exports, by these exact names. */
LUMO32_EXPORT int32_t LUMO32_CALL _InitLmuo(TransferRecord *record, const char *dumpFileName,
                                            const char *csvFileName);
LUMO32_EXPORT double LUMO32_CALL _OneLoop(void);
LUMO32_EXPORT int32_t LUMO32_CALL _GetValues(void);
LUMO32_EXPORT const char *LUMO32_CALL _GetHelpString(int32_t index);
LUMO32_EXPORT int32_t LUMO32_CALL _SayHello(void *ownerWindow);

/* Runs of the caller's own (rules 10 to 15), by these exact names. */
typedef struct LumoRun LumoRun;
LUMO32_EXPORT LumoRun *LUMO32_CALL lumo32_CreateRun(const TransferRecord *record,
                                                    const char *csvFileName);
LUMO32_EXPORT double LUMO32_CALL lumo32_StepRun(LumoRun *run);
LUMO32_EXPORT double LUMO32_CALL lumo32_RunToEnd(LumoRun *run);
LUMO32_EXPORT int32_t LUMO32_CALL lumo32_RunResults(LumoRun *run, ExecutionResultsRecord *results);
LUMO32_EXPORT void LUMO32_CALL lumo32_FreeRun(LumoRun *run);

/* Pointer types for run-time binding by name. */
typedef int32_t(LUMO32_CALL *Lumo32InitFn)(TransferRecord *, const char *, const char *);
typedef double(LUMO32_CALL *Lumo32OneLoopFn)(void);
typedef int32_t(LUMO32_CALL *Lumo32GetValuesFn)(void);
typedef const char *(LUMO32_CALL *Lumo32GetHelpStringFn)(int32_t);
typedef int32_t(LUMO32_CALL *Lumo32SayHelloFn)(void *);
typedef LumoRun *(LUMO32_CALL *Lumo32CreateRunFn)(const TransferRecord *, const char *);
typedef double(LUMO32_CALL *Lumo32StepRunFn)(LumoRun *);
typedef double(LUMO32_CALL *Lumo32RunToEndFn)(LumoRun *);
typedef int32_t(LUMO32_CALL *Lumo32RunResultsFn)(LumoRun *, ExecutionResultsRecord *);
typedef void(LUMO32_CALL *Lumo32FreeRunFn)(LumoRun *);

#define LUMO32_HELP_COUNT 26

/* The answers of _OneLoop and lumo32_StepRun for a run that failed (rules 7, 12). */
#define LUMO32_RUN_FAILED (-1.0)       /* a value is no longer a finite number */
#define LUMO32_CSV_WRITE_FAILED (-2.0) /* a concentration row could not be written */

/* The fastest rate of exchange the engine integrates, per day (rule 9). */
#define LUMO32_MAX_EXCHANGE_RATE 1.44e6

#ifdef __cplusplus
} /* extern "C" */
#endif

/* The byte layout is part of the contract: checked by the compiler. */
#if defined(__cplusplus)
#include <cstddef>
#define LUMO32_STATIC_ASSERT(c, m) static_assert(c, m)
#else
#include <stddef.h>
#define LUMO32_STATIC_ASSERT(c, m) _Static_assert(c, m)
#endif

LUMO32_STATIC_ASSERT(sizeof(ActivityRecord) == 12, "ActivityRecord is 12 bytes");
LUMO32_STATIC_ASSERT(sizeof(OverrideRecord) == 16, "OverrideRecord is 16 bytes");
LUMO32_STATIC_ASSERT(sizeof(EmissionRateIncrementalRecord) == 20,
                     "EmissionRateIncrementalRecord is 20 bytes");
LUMO32_STATIC_ASSERT(sizeof(FirstOrderSinkRecord) == 12, "FirstOrderSinkRecord is 12 bytes");
LUMO32_STATIC_ASSERT(sizeof(LangmuirSinkRecord) == 24, "LangmuirSinkRecord is 24 bytes");
LUMO32_STATIC_ASSERT(sizeof(ExecutionResultsRecord) == 40, "ten results");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, InitialConcentrationRecord) == 4, "layout");
#if UINTPTR_MAX == 0xFFFFFFFFu
/* 32-bit addresses: every field packs without padding. */
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, AirFlowRecordOne) == 16, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, AirFlowRecordTwo) == 24, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, VolumeRecord) == 32, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, PrimaryActivityList) == 40, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, SecondaryActivityList) == 48, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, OverrideActivityList) == 56, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, PrimaryDaysList) == 64, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, EmissionRateIncrementalList) == 68, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, FirstOrderSinkList) == 76, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, LangmuirSinkList) == 84, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, SaturationConcentration) == 92, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, ExecutionResultsRecord) == 124, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, filename) == 164, "layout");
LUMO32_STATIC_ASSERT(sizeof(TransferRecord) == 168, "TransferRecord is 168 bytes");
#else
/* 64-bit addresses: each list's address is aligned to 8 after its count. */
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, AirFlowRecordOne) == 16, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, AirFlowRecordTwo) == 32, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, VolumeRecord) == 48, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, PrimaryActivityList) == 56, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, SecondaryActivityList) == 72, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, OverrideActivityList) == 88, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, PrimaryDaysList) == 104, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, EmissionRateIncrementalList) == 112, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, FirstOrderSinkList) == 128, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, LangmuirSinkList) == 144, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, SaturationConcentration) == 160, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, ExecutionResultsRecord) == 192, "layout");
LUMO32_STATIC_ASSERT(offsetof(TransferRecord, filename) == 232, "layout");
LUMO32_STATIC_ASSERT(sizeof(TransferRecord) == 240, "TransferRecord is 240 bytes");
#endif

#endif /* LUMO32_H */

#include "command_line.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cstdio>

#ifndef LUMO_PROGRAM_VERSION
#define LUMO_PROGRAM_VERSION "unknown"
#endif

namespace lumo::cli {

namespace {

const char *const kDescription =
    "Runs painting scenarios through the calculation engine without a window, exactly as the\n"
    "desktop program runs them, and prints their results; or, with --monte-carlo, a\n"
    "probabilistic assessment of each scenario.";

const char *const kFooter = R"(
  SCENARIO.vkx  A scenario file saved by the program. Its schedule file (the name
                with its last character replaced by "1", e.g. paint.vk1) must lie
                beside it. The scenario runs with its own values and the painting
                schedule as saved.
  --default     Runs the program's start-up scenario: the factory defaults with the
                chemical TMPD-MIB from the chemical list Chems.dat (see --paths).
                Scenario files named as well run after it.
  --json        Prints the results as JSON: for plain runs an array, one object per
                scenario: "scenario" (the file), "chemical", "molecularWeight",
                "results" (LADD, ADD, LADC, ADC, Cpeak, SingleEventDose, APDR,
                APDRtime, C15min, C8hour as full-precision numbers), "ppm" (the five
                concentrations in ppm), "csv" (the concentration file); a scenario
                that failed has "error" with the message instead of the results.

Probabilistic assessment (--monte-carlo DIST.json with scenarios and/or --default):
draws the inputs that DIST.json names from their distributions (Monte Carlo or
Latin hypercube, a recorded seed), runs the scenario once per iteration in
process on every core (no files per iteration), and prints for each result its
mean, standard deviation, percentiles with 95 % confidence intervals, the
probability of exceeding a reference value, the running estimates at N/4, N/2
and N, and the sensitivity of each result to each input (Spearman, one at a
time, Sobol indices) as DIST.json asks. The README documents DIST.json; its JSON
Schema is assessment.schema.json beside the program. --json prints one object;
--samples FILE.csv writes every iteration's drawn inputs and ten results;
--threads N sets the number of threads (the output does not depend on it).
Several scenarios are assessed one after another with the same design (one
seed): their summaries follow one another, --json prints an array of their
objects (a scenario refused or failed: its "scenario" and "error"), and the
samples file gets a first column "Scenario".

Comparing and sweeping: --compare A.vkx B.vkx ... (and/or --default) prints
the scenarios' ten results side by side and the inputs that differ between
them; a scenario whose file holds results of its inputs as they are is not
run again. --sweep FIELD=START:STOP:COUNT SCENARIO.vkx runs the scenario with
the input FIELD (a record field name such as AirExchangeRate or BldgVolume)
set to COUNT evenly spaced values from START to STOP in turn, everything else
as saved; FIELD=v1,v2,... takes the values listed. Each value is applied as
the program applies it typed into its dialog: corrected to the field's
limits, whole numbers rounded, and what the dialog derives derived; a value
the program refuses, or whose run fails, gets its reason in its row and the
others still run. Both print a table (--json: one object) and, with --xlsx
FILE.xlsx, also write it as a workbook. Nothing is written beside the
scenarios.

Across machines: --shard K/N --partial OUT.bin runs only the K-th of N blocks
of the assessment's cases (the distribution file must give a seed) and writes
a partial result file; --merge OUT PART.bin... checks that the parts are all
the shards of one assessment, exactly once, and writes to OUT (- for standard
output) exactly what one process would have printed (with --json the JSON,
with --samples the samples file).

Results are printed with their units in the program's format (three significant
digits, e.g. 1.23E-004); the five concentrations are also given in ppm
(24.453 x mg/m3 / molecular weight).

Files written by plain runs: the concentration time series beside each scenario
(its name with the extension replaced by ".CSV"; for --default, lumo.CSV beside
the start-up scenario lumo.vkx) and the diagnostic files emission.csv and
xferlumo32.txt. Run from its build folder the program keeps everything in its
own folder while it can write there; installed, it never writes into its
installation: the chemical list is the user's copy in ~/.local/share/lumo, the
diagnostic files go to ~/.local/state/lumo and the start-up scenario to the
documents folder (XDG_DATA_HOME, XDG_STATE_HOME and user-dirs.dirs are
followed). --paths prints each location. The engine library liblumo32.so is
loaded by its full path only, from the program's folder or, installed, from
the program's private library folder.

While running on a terminal a progress bar is shown on standard error. Ctrl+C
stops the current run as the program's Stop button does (its CSV keeps the rows
written so far; an assessment reports the iterations done so far, marked as
partial) and ends lumo-run with status 130.

Exit status: 0 when every scenario ran; 1 when any could not be opened, was
refused (a value outside the program's ranges, named in the message), failed,
found no engine library ("Could Not Load the LUMODLL") or was rejected by the
engine ("Could Not Initialize the Calculations") - the remaining scenarios still
run - or when the results could not be written out; 2 for a command line that
cannot be used; 130 after Ctrl+C.
)";

struct Parser {
  CLI::App app{kDescription, "lumo-run"};
  CommandLine c;
  std::string shardText;

  Parser() {
    app.set_help_flag("-h,--help", "Shows this text.");
    app.add_flag("--version", c.version, "Prints the program's name and version.");
    app.add_flag("--paths", c.paths,
                 "Prints where the engine, the data, the chemical list, the start-up scenario, "
                 "the diagnostic files and the settings are.");
    app.add_flag("--json", c.json, "Prints the results as JSON.");
    app.add_flag("--default", c.useDefault, "Runs the start-up scenario.");
    app.add_option("--monte-carlo", c.monteCarlo,
                   "A probabilistic assessment described by the distribution file DIST.json.")
        ->type_name("DIST.json");
    app.add_option("--threads", c.threads, "Threads of an assessment (default: every core).")
        ->type_name("N")
        ->check(CLI::Range(1, 1024));
    app.add_option("--samples", c.samples,
                   "Writes every iteration's inputs and results of an assessment as CSV.")
        ->type_name("FILE.csv");
    app.add_option("--shard", shardText,
                   "Runs only shard K of N of the assessment (needs --partial).")
        ->type_name("K/N");
    app.add_option("--partial", c.partial, "Where the shard's partial result file goes.")
        ->type_name("OUT.bin");
    app.add_option("--merge", c.merge,
                   "Merges the partial result files named after it into OUT, as one process "
                   "would have printed the assessment (- for standard output).")
        ->type_name("OUT");
    app.add_flag("--compare", c.compare,
                 "Prints the scenarios' results side by side with the inputs that differ.");
    app.add_option("--sweep", c.sweep,
                   "Runs the scenario with one input set to each value in turn.")
        ->type_name("FIELD=START:STOP:COUNT");
    app.add_option("--xlsx", c.xlsx, "Writes the comparison or sweep as a workbook.")
        ->type_name("FILE.xlsx");
    app.add_option("files", c.files, "Scenario files saved by the program.")
        ->type_name("SCENARIO.vkx");
    app.footer(kFooter);
    app.get_formatter()->column_width(26);
  }
};

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string> &args) {
  Parser p;
  std::vector<std::string> reversed(args.rbegin(), args.rend());  // CLI11 reads from the back
  try {
    p.app.parse(reversed);
  } catch (const CLI::CallForHelp &) {
    p.c.help = true;
    return p.c;
  } catch (const CLI::ParseError &e) {
    p.c.error = std::string(e.what()) + " (see lumo-run --help)";
    return p.c;
  }
  CommandLine &c = p.c;
  if (c.version || c.paths) return c;  // nothing else is run
  if (!p.shardText.empty()) {
    unsigned long k = 0, n = 0;
    char tail = 0;
    if (std::sscanf(p.shardText.c_str(), "%lu/%lu%c", &k, &n, &tail) != 2 || k < 1 || n < 1 ||
        k > n || n > 1000000) {
      c.error = "--shard takes K/N with 1 <= K <= N (for example 3/8), not \"" + p.shardText +
                "\" (see lumo-run --help)";
      return c;
    }
    c.shard = k - 1;
    c.shards = n;
  }
  if (!c.merge.empty()) {
    if (!c.monteCarlo.empty() || c.useDefault || c.threads != 0 || c.shards != 0 || c.compare ||
        !c.sweep.empty() || !c.xlsx.empty())
      c.error = "--merge takes only partial result files (and --json, --samples)";
    else if (c.files.empty())
      c.error = "--merge OUT needs the partial result files after it (see lumo-run --help)";
    return c;
  }
  if (c.compare || !c.sweep.empty()) {
    const std::size_t scenarios = c.files.size() + (c.useDefault ? 1 : 0);
    if (c.compare && !c.sweep.empty())
      c.error = "--compare and --sweep are separate runs: give one of them";
    else if (!c.monteCarlo.empty() || c.shards != 0 || c.threads != 0 || !c.samples.empty())
      c.error = std::string(c.compare ? "--compare" : "--sweep") +
                " takes scenarios only (and --json, --xlsx), not an assessment's options";
    else if (c.compare && scenarios < 2)
      c.error = "--compare needs at least two scenarios (files, or --default and a file)";
    else if (!c.sweep.empty() && scenarios != 1)
      c.error = "--sweep runs one scenario: name one scenario file or --default";
    return c;
  }
  if (!c.xlsx.empty()) {
    c.error = "--xlsx belongs to --compare or --sweep";
    return c;
  }
  if (c.shards != 0 && (c.monteCarlo.empty() || c.partial.empty()))
    c.error =
        "--shard K/N runs part of an assessment: add --monte-carlo DIST.json and --partial "
        "OUT.bin";
  else if (!c.partial.empty() && c.shards == 0)
    c.error = "--partial belongs to --shard K/N";
  else if (c.shards != 0 && !c.samples.empty())
    c.error = "--samples is written when the shards are merged (--merge), not by a shard";
  if (!c.error.empty()) return c;
  if (!c.useDefault && c.files.empty()) {
    c.error = "Name at least one scenario file, or --default (see lumo-run --help)";
  } else if (c.shards != 0 && c.files.size() + (c.useDefault ? 1 : 0) != 1) {
    c.error =
        "--shard runs part of the assessment of one scenario: name one scenario file or "
        "--default";
  } else if (c.monteCarlo.empty() && (c.threads != 0 || !c.samples.empty())) {
    c.error = std::string(c.threads != 0 ? "--threads" : "--samples") +
              " belongs to an assessment: add --monte-carlo DIST.json";
  }
  return c;
}

std::string VersionText() {
  return std::string("lumo-run ") + LUMO_PROGRAM_VERSION + "\n";
}

std::string UsageText() {
  return Parser().app.help();
}

}  // namespace lumo::cli

#include "command_line.h"

namespace lumo::cli {

CommandLine ParseCommandLine(const std::vector<std::string> &args) {
  CommandLine c;
  bool onlyFiles = false;
  for (const std::string &a : args) {
    if (!onlyFiles && a == "--") {
      onlyFiles = true;
    } else if (!onlyFiles && (a == "--help" || a == "-h")) {
      c.help = true;
    } else if (!onlyFiles && a == "--json") {
      c.json = true;
    } else if (!onlyFiles && a == "--default") {
      c.useDefault = true;
    } else if (!onlyFiles && a.size() > 1 && a[0] == '-') {
      c.error = "Unknown option " + a + " (see lumo-run --help)";
      return c;
    } else {
      c.files.push_back(a);
    }
  }
  if (!c.help && !c.useDefault && c.files.empty())
    c.error = "Name at least one scenario file, or --default (see lumo-run --help)";
  return c;
}

std::string UsageText() {
  return R"(Usage: lumo-run [--json] SCENARIO.vkx...
       lumo-run [--json] --default
       lumo-run --help

Runs painting scenarios through the calculation engine without a window,
exactly as the desktop program runs them, and prints their results.

  SCENARIO.vkx  A scenario file saved by the program. Its schedule file
                (the name with its last character replaced by "1", e.g.
                paint.vk1) must lie beside it. The scenario runs with its own
                values and the painting schedule as saved.
  --default     Runs the program's start-up scenario: the factory defaults
                with the chemical TMPD-MIB from the chemical list Chems.dat
                in the program's folder. Scenario files named as well run
                after it.
  --json        Prints the results as a JSON array, one object per scenario:
                "scenario" (the file), "results" (LADD, ADD, LADC, ADC, Cpeak,
                SingleEventDose, APDR, APDRtime, C15min, C8hour as full-precision
                numbers), "ppm" (the five concentrations in ppm), "csv" (the
                concentration file); a scenario that failed has "error" with
                the message instead of the results.
  --help        Shows this text.

Results are printed with their units in the program's format (three
significant digits, e.g. 1.23E-004); the five concentrations are also given
in ppm (24.453 x mg/m3 / molecular weight).

Files written: the concentration time series beside each scenario (its name
with the extension replaced by ".CSV"; for --default, lumo.CSV in the
program's folder) and the diagnostic files emission.csv and xferlumo32.txt in
the program's folder. The engine library liblumo32.so is loaded from the
program's folder only.

While running on a terminal a progress bar is shown on standard error.
Ctrl+C stops the current run as the program's Stop button does (its CSV keeps
the rows written so far) and ends lumo-run with status 130.

Exit status: 0 when every scenario ran; 1 when any could not be opened, was
refused (a value outside the program's ranges, named in the message), found
no engine library ("Could Not Load the LUMODLL") or was rejected by the
engine ("Could Not Initialize the Calculations") - the remaining scenarios
still run; 2 for a command line that cannot be used; 130 after Ctrl+C.
)";
}

}  // namespace lumo::cli

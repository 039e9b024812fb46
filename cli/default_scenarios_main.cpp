// lumo-default-scenarios FOLDER [CHEMICAL-LIST]: writes the default scenario
// files into FOLDER, with the default chemical from CHEMICAL-LIST (by
// default "Chems.dat" in the program's directory).
#include <cstdio>
#include <exception>
#include <string>

#include "default_scenarios.h"
#include "platform.h"

int main(int argc, char **argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: lumo-default-scenarios FOLDER [CHEMICAL-LIST]\n");
    return 2;
  }
  try {
    lumo::TFileChemical chemicals(argc == 3 ? std::string(argv[2])
                                            : lumo::platform::ExecutableDirectory() + "/Chems.dat");
    if (!chemicals.LoadFile()) {
      std::fprintf(stderr, "lumo-default-scenarios: cannot read the chemical list: %s\n",
                   chemicals.LastError().c_str());
      return 1;
    }
    lumo::WriteDefaultScenarios(chemicals, argv[1]);
  } catch (const std::exception &e) {
    std::fprintf(stderr, "lumo-default-scenarios: %s\n", e.what());
    return 1;
  }
  return 0;
}

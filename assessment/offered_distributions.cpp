#include "offered_distributions.h"

#include <cmath>

#include "scenario_enums.h"

namespace lumo::prob {

namespace {

OfferedDistribution LogNormalOffer(const std::string &name, double gm, double gsd,
                                   std::string source) {
  OfferedDistribution offer;
  offer.input.name = name;
  offer.input.varied = true;
  offer.input.family = "lognormal";
  offer.input.parameters = {{"gm", {gm}}, {"gsd", {gsd}}};
  offer.source = std::move(source);
  return offer;
}

}  // namespace

std::optional<OfferedDistribution> OfferedDistributionFor(const std::string &name,
                                                          const ScenarioRecord &s) {
  if (name == "BodyWeight" && s.IndividualType != IndividualType::Child) {
    // Adults by sex: ln-scale mean and SD of the US EPA SHEDS-HT physiology
    // table (men 35-54: 4.379, 0.164; women 35-44: 4.182, 0.209).
    if (s.Gender == GenderType::Female)
      return LogNormalOffer(name, std::exp(4.182), std::exp(0.209),
                            "Women aged 35 to 44: lognormal, geometric mean 65.5 kg, GSD 1.23 "
                            "(US EPA SHEDS-HT physiology table).");
    if (s.Gender == GenderType::Male)
      return LogNormalOffer(name, std::exp(4.379), std::exp(0.164),
                            "Men aged 35 to 54: lognormal, geometric mean 79.8 kg, GSD 1.18 "
                            "(US EPA SHEDS-HT physiology table).");
    return std::nullopt;  // no single figure for a person of either sex
  }
  if (name == "AirExchangeRate" && IsResidence(s.BldgType)) {
    // HouseDB (1995): lognormal, whole-house mean 0.4 /h, median 0.3 /h; the
    // median is the geometric mean and mean / median = exp(ln² GSD / 2).
    return LogNormalOffer(name, 0.3, std::exp(std::sqrt(2 * std::log(0.4 / 0.3))),
                          "Homes: lognormal with median 0.3 and mean 0.4 air changes per hour "
                          "(US residential air exchange database, 1995; geometric mean 0.3, "
                          "GSD 2.13).");
  }
  return std::nullopt;
}

}  // namespace lumo::prob

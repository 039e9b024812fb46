#include "help_texts.h"

namespace lumo {
namespace {

constexpr const char *kPaintingEvent =
    "The painting event is described by the area painted, the amount of primer and paint "
    "applied and the time it takes. Default areas follow from the building volume, the part of "
    "the building painted and the loading ratio (painted area per volume); the amount of paint "
    "follows from the area, the number of coats and the coverage; the duration follows from the "
    "amount and the application rate. Primer days are modelled before paint days: painting "
    "starts after priming ends, on the same day or a later one.";

const char *const kTexts[kHelpTextCount] = {
    // 0: default building volumes
    "Default building volumes are 15,583 cubic feet for a house, 7,350 cubic feet for an "
    "apartment, 1,800,000 cubic feet for a high-rise office building and 160,000 cubic feet "
    "for a low-rise office building; the standard cube uses length x width x height. Volumes "
    "are entered in cubic feet (or cubic meters in the volume dialog) and converted to cubic "
    "meters for the calculation.",
    // 1: default air exchange rates
    "The air exchange rate is the number of times per hour that the indoor air is replaced by "
    "outdoor air. The default is 0.45 air changes per hour for residences and 1.0 air changes "
    "per hour for office and user-specified buildings. Residences typically range from about "
    "0.2 to 2 air changes per hour, office buildings from about 0.5 to 2.",
    // 2: percent of building painted
    "Entire Building paints 100 percent of the building volume, which then forms a single "
    "zone. Portion of Building paints a default share of the volume (for example one bedroom "
    "of a house or one office of an office building); the painted part is zone 1 and the rest "
    "of the building is zone 2. User-Specified lets you enter the percentage yourself.",
    // 3: interzonal airflow
    "The airflow between the painted area (zone 1) and the rest of the building (zone 2) is "
    "estimated for residences as I = (0.046 + 0.39 x A) x V, where I is the interzonal "
    "airflow in cubic meters per hour, A the air exchange rate in air changes per hour and V "
    "the building volume in cubic meters. You may enter your own value instead.",
    // 4: painting event
    kPaintingEvent,
    // 5: surfaces painted
    "Choose whether walls, ceilings or both are painted. The choice sets the default loading "
    "ratio, the painted surface area per unit of painted volume: 0.29 square feet per cubic "
    "foot for walls, 0.13 for ceilings and 0.42 for both in residences, and 0.25, 0.10 and "
    "0.35 in office buildings.",
    // 6: loading ratio versus total area
    "The painted surface can be given either as a loading ratio (square feet painted per "
    "cubic foot of painted volume) or as a total area in square feet; changing one updates "
    "the other from the volume of the painted area.",
    // 7: coverage
    "Coverage is the area painted per volume of paint. The default is 400 square feet per "
    "gallon (about 37 square meters per gallon) for paint and 200 square feet per gallon for "
    "primer. The amount of paint needed is the painted area times the number of coats divided "
    "by the coverage.",
    // 8: application rate
    "The hours of painting are the gallons applied divided by the application rate and the "
    "number of painters. About 1 hour per gallon is typical for a professional painter (0.85 "
    "gallons per hour); the do-it-yourself default is 0.33 gallons per hour, about 3 hours per "
    "gallon.",
    // 9: number of painting days
    "The number of days of priming and of painting follows from the hours of work and the "
    "hours worked per day. A value of 0 leaves primer or paint out of the event. Plan for at "
    "most 12 hours of work per day.",
    // 10: start day (given)
    "The start day chosen for the event should be realistic, as it will have some bearing on "
    "values to be chosen on the Occupancy screen.",
    // 11: type of paint
    "The type of paint sets the emission assumptions. Latex paints (flat or semi-gloss) "
    "release a quarter of the chemical in the paint, in two stages: a fast first exponential "
    "holding 10 percent of that mass and a slow second exponential holding the rest. Alkyd "
    "paint releases all of the chemical in a single exponential whose rate follows from the "
    "vapor pressure, the molecular weight and the wet film thickness.",
    // 12: defaults across primer and paint (given)
    "The default values currently do not vary for primer vs. paint, or across the different "
    "types of paint.",
    // 13: chemical name and placeholders
    "Enter the name of the chemical of interest, or pick one from the chemical list. Until you "
    "do, the weight fraction (0.01), molecular weight (150 g/mole) and vapor pressure (1 torr) "
    "are placeholder defaults only; replace them with the values for your chemical.",
    // 14: paint type and chemical properties
    "The paint type and the chemical's properties determine the emissions: the weight "
    "fraction of the chemical in primer and paint sets the mass released, and the vapor "
    "pressure and molecular weight set the emission rate constants. Defaults: weight fraction "
    "0.01, molecular weight 150 g/mole, vapor pressure 1 torr, density 4600 grams per "
    "gallon.",
    // 15: same as 4
    kPaintingEvent,
    // 16: activity patterns
    "The activity patterns say where the exposed person is during the day: zone 1 is the "
    "painted area, zone 2 the unpainted rest of the building and zone 0 is outdoors (not in "
    "the building). Default patterns depend on the person, the building and the gender. "
    "Override activities describe the painting event itself and take precedence over the "
    "daily patterns while it lasts.",
    // 17: primary and secondary patterns
    "The primary and secondary patterns each describe a 24-hour day, one line per location: "
    "the zone, the time the person enters it (hours and minutes) and the breathing rate in "
    "cubic meters per day. The first line must start at 0 hours 0 minutes; each location "
    "lasts until the next line's time, and the last one until midnight.",
    // 18: override pattern
    "The override pattern is derived from the painting event: painting begins at 9:00 a.m. "
    "each day and lasts for that day's working hours. Painters are placed in zone 1, the "
    "painted area; occupants are placed in zone 2, the rest of the building, while painting "
    "goes on.",
    // 19: exposure factors
    "Exposure factor defaults are set for the professional painter, the do-it-yourself "
    "painter, the adult occupant and the child occupant: body weight, lifetime, events per "
    "year, years of exposure and breathing rates. Body weight is entered in kilograms and is "
    "not converted.",
    // 20: title, notes and run length
    "Enter a title and notes to identify the run. The run length is 1 to 999 days. The default "
    "scenarios run 5 days: at the default rates most of the default chemical is emitted within "
    "days, and 5 days cover the painting event and its peak. Low-volatility chemicals and slow "
    "second rate constants keep emitting for weeks: run until the concentrations have fallen "
    "well below the peak, at least 30 days after painting for typical solvents and 60 to 90 "
    "days for low-volatility chemicals. A run that ends while the chemical is still being "
    "emitted underestimates LADD, ADD, LADC and ADC.",
    // 21: empirical emission model
    "The empirical emission model assumes that primer and paint are applied at a constant "
    "rate over each work period and that every applied portion releases its chemical by "
    "first-order decay: two exponentials (a fast and a slow one) for latex paint, one for "
    "alkyd paint.",
    // 22: saturation constraint
    "The saturation constraint keeps the air concentration from exceeding the saturation "
    "concentration of the chemical: when it would, the emissions are slowed, and the mass "
    "held back is released later, so the same total mass is emitted.",
    // 23: saving a scenario (Execution screen)
    "Save writes the current scenario to its scenario file. Save commands are also found on "
    "the Execution screen (Save & Execute), on the toolbar and in the File menu.",
    // 24: building type
    "Choose the type of building: a Residence (house or apartment), an Office Building "
    "(high-rise or low-rise) or User-Specified (a standard box whose length, width and height "
    "you enter). The choice sets the default volume, air exchange rate and painted area.",
    // 25: Save button
    "Save writes the current scenario to its scenario file. Save commands are also found in "
    "the File menu, on the toolbar and on the Execution screen (Save & Execute).",
};

}  // namespace

const char *helpText(int32_t index) {
  if (index < 0 || index >= kHelpTextCount) return "";
  return kTexts[index];
}

}  // namespace lumo

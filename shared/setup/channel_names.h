// Names and letters of channel settings: analog ranges, temperature units, phase references and the
// units of power quantities.
#pragma once

#include <cstdint>
#include <string>

// "4 - 20 ma", "0 - 20 ma", "0 - 10 Vdc" for analog types 15-17; "Off" for anything else.
std::string GetAnalogRangeName(int analogType);

// The logger's letter of a temperature unit code: 'C' 1, 'R' 2, 'K' 3, 'F' for 0 and anything else.
char TemperatureUnitToLetter(int unit);
// The unit code of a logger's letter: 1 'C', 2 'R', 3 'K', 0 for anything else.
std::uint16_t LetterToTemperatureUnit(char letter);

// "L1", "L2", "L3" for phase references 'A', 'B', 'C', "N" for 'N'; empty for letters without a name.
std::string PhaseReferenceName(char letter);
bool IsPhaseReference(char letter);

// The unit a power channel's quantity is named by in column titles: the volts and amps words of the
// program's language, "KW", "KVA", "PF", and "KVAR" for the rest.
std::string PowerQuantityUnit(int quantity);

// The four ready-made setups for the common wirings, for the older models and for the Quarven models:
// their contents, file names, commands and wiring pictures.
#pragma once

#include <optional>
#include <string>

class CSetupTable;

enum class DefaultWiring { k1P2W, k1P3W, k3P3W, k3P4W };
inline constexpr DefaultWiring kDefaultWirings[] = {DefaultWiring::k1P2W, DefaultWiring::k1P3W,
                                                    DefaultWiring::k3P3W, DefaultWiring::k3P4W};

// The commands that load them (32885-32888), each way round.
unsigned DefaultSetupCommand(DefaultWiring wiring);
std::optional<DefaultWiring> DefaultWiringForCommand(unsigned command);

// "Quarven 1P2W.SUT" for models below 13, "QuarvenRS 1P2W.SUT" for the Quarven models.
std::string DefaultSetupFileName(DefaultWiring wiring, bool quarven);
// The wiring picture: 221-224 below model 13, 234-237 for the Quarven models.
int WiringPictureId(DefaultWiring wiring, bool quarven);

// The name a default setup carries until the user gives it one: "Default SUT" between two BEL characters.
inline constexpr const char* kDefaultSetupName = "\aDefault SUT\a";

// The setup of a wiring: power channels on their phases (each against N, or L1 and L2 against L3 for
// three wires), a sum of them on channel 5 for more than one, averages recorded, 15 minutes, ring
// memory, 60 Hz. Its model code (2 or 13) is not used when it is loaded.
CSetupTable MakeDefaultSetup(DefaultWiring wiring, bool quarven);

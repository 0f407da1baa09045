// The texts that name serial ports: entries "ttyUSB0 <description> (ttyUSB0)", the device name
// inside them, and the forms the port choice and the status window show.
#pragma once

#include <string>
#include <string_view>

// The text up to its first blank, or the whole text.
std::string TrimAtFirstSpace(std::string_view text);

// A device path the user typed ("/dev/ttyUSB0", a pseudo-terminal, "/dev/rfcomm0"): from the root, no
// blanks. It names its port as it stands.
bool IsDevicePath(std::string_view text);

// The port an entry names: a typed device path (blanks around it dropped) as it stands; else what
// stands between its last "(" and the next ")" when that is a device name, else the text up to its
// first blank; empty when that is no device name either.
std::string ExtractPortName(std::string_view text);

// Whether two entries name the same port (the known-port list orders enumerated ports by it).
bool SamePort(std::string_view a, std::string_view b);

// The port name of a running direct link as the status window shows it: an entry that starts with
// its device name and repeats it in parentheses loses " (<device>)".
std::string LinkDisplayName(std::string_view configured);

// An entry as the descriptive port list shows it: "<description> (<device>)"; the entry unchanged
// when it carries no description.
std::string DescriptiveEntry(std::string_view entry);

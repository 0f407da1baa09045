// Checks and parsing of the IPv4 and MAC addresses that the network and Wi-Fi settings take.
#pragma once

#include <cstdint>
#include <string_view>

// Four parts of 1 to 3 digits, 0-255 each, separated by "." and nothing else (blanks around the text
// are allowed), the first part within [lowestFirst, highestFirst].
bool IsValidIPAddress(std::string_view text, int lowestFirst, int highestFirst);

// Six ":"-separated groups of 1 or 2 hexadecimal digits, upper or lower case.
bool IsValidMACAddress(std::string_view text);

// The address in network byte order, INADDR_NONE when it is none. Four decimal parts are read as
// decimal even with leading zeros ("010" is ten, not octal eight); other forms go to inet_addr as
// they stand.
std::uint32_t ParseIPAddress(std::string_view text);

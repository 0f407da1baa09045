// The field form of the wired network values of the standard, Ornat and Nimbo loggers: upper-case hex
// digits, two for each number of an address, four for the TCP port, twelve for the MAC address.
#pragma once

#include <string>
#include <string_view>

// Kinds of network value.
inline constexpr int kNetworkAddress = 1;
inline constexpr int kNetworkMask = 2;
inline constexpr int kNetworkGateway = 3;
inline constexpr int kNetworkPort = 4;
inline constexpr int kNetworkMac = 5;

// The field form of `text` as the settings dialog checked it: four dotted numbers (each taken as one
// byte), a decimal port (taken modulo 65536), six ":"-separated groups of one or two characters. Empty
// for a kind outside 1 to 5; never longer than 12 characters, never reading past `text`.
std::string FormatNetworkField(int kind, std::string_view text);

// The other way: a field as the logger gives it back, to the dialog's form (dotted decimal, decimal
// port, ":"-separated MAC address). A trailing CR is dropped; a short field gives zeros (or empty MAC
// groups) for what is missing; empty for a kind outside 1 to 5.
std::string FormatSettingText(int kind, std::string_view field);

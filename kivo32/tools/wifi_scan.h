// The networks in the reply of a logger's Wi-Fi module to a scan ("L?WIFI").
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct ScannedNetwork {
    std::string name;
    int channel = 0;
    int signal = 0;  // percent, 0 to 100
    bool secured = false;
};

// The signal in percent for the module's RSSI in dBm: -85 dBm and below is 0 %, 0 dBm and above 100 %.
int SignalPercent(int rssi);

// The reply's items are "<key>=<value>", separated by commas or line ends; an item starts only where a
// key of letters, digits and "_" is followed by "=", so a comma inside a value splits nothing. Each item
// whose key is a number above 0 is one network: channel, RSSI, security code, four fields the list does
// not show, then the name (the rest of the item). Items with fewer fields are left out.
std::vector<ScannedNetwork> ParseWiFiScan(std::string_view reply);

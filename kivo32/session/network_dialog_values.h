// The values the wired network settings and a Wi-Fi module's settings share in their dialogs: address,
// mask, TCP port, gateway and the DHCP choice (the MAC address is shown only).
#pragma once

template <class Answer, class Settings>
void TakeNetworkValues(const Answer& answer, Settings& settings) {
    settings.address = answer.address;
    settings.mask = answer.mask;
    settings.port = answer.port;
    settings.gateway = answer.gateway;
    settings.dhcp = answer.dhcp;
}

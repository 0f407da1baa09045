// SetupPrinter: where the setup table's print-out draws each of its items.
#pragma once

class CSUTHeader;
class CSUTChannelHardware;
class CSUTChannelSoftware;
class CSUTChannelPulse;

// The print-out implements it on the printing layer; `item` is the print-out's item number, which the
// channel pages show as the channel's index.
class SetupPrinter {
public:
    virtual ~SetupPrinter() = default;
    // The general-settings page.
    virtual void PrintHeader(const CSUTHeader& header) = 0;
    virtual void PrintHardwareChannel(const CSUTChannelHardware& channel, int item) = 0;
    virtual void PrintSoftwareChannel(const CSUTChannelSoftware& channel, int item) = 0;
    virtual void PrintPulseChannel(const CSUTChannelPulse& channel, int item) = 0;
};

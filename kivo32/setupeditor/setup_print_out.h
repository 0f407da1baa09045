// SetupPrintOut: the setup table's print-out: the general-settings page and the page of each hardware,
// software and pulse channel, drawn line by line at the setup view's print position.
#pragma once

#include <array>
#include <string>

#include "platform/ui/page_painter.h"
#include "shared/setup/setup_printer.h"

// Where the next line goes: the setup view keeps it across the items of a page.
struct SetupPrintPosition {
    int x = 0;
    int y = 0;
};

// What the general-settings page shows as the setup view holds it when printing.
struct SetupViewSettings {
    std::string documentTitle;
    std::string intervalText;
    // The start and stop: "at once" / "no stop time", or the six fields month, day, year, hour, minute,
    // second.
    bool startAtOnce = true;
    std::array<std::string, 6> startFields;
    bool noStopTime = true;
    std::array<std::string, 6> stopFields;
    std::string memoryModeText;
    std::string demandWindowText;
};

class SetupPrintOut : public SetupPrinter {
public:
    // Fixed-pitch 12-point fonts: labelled lines, channel captions, page titles.
    static const platform::PrintFont kRegularFont;
    static const platform::PrintFont kUnderlineFont;
    static const platform::PrintFont kBoldUnderlineFont;

    // `model` is the setup's model code, which names the channels in their captions.
    SetupPrintOut(platform::PagePainter& painter, SetupPrintPosition& position, int model,
                  SetupViewSettings settings);

    void PrintHeader(const CSUTHeader& header) override;
    void PrintHardwareChannel(const CSUTChannelHardware& channel, int item) override;
    void PrintSoftwareChannel(const CSUTChannelSoftware& channel, int item) override;
    void PrintPulseChannel(const CSUTChannelPulse& channel, int item) override;

private:
    // The regular font and its line step, the channel's caption, y past it; returns the font it replaced.
    platform::PrintFont BeginChannel(int item);
    // One line at the print position; y moves down a line.
    void Line(const std::string& text);
    // "%s: %s" of label text `labelId` and `value`.
    void LabeledLine(unsigned labelId, const std::string& value);
    // The six quantity lines of a power channel or a software channel, from their option bytes.
    void PowerOptionLines(const std::array<std::uint8_t, 6>& options);
    // After the previous font is back: a note of under 40 characters on one line with its label, a
    // longer one in a column after the label, broken after the first blank from character 40.
    void PrintWrappedNote(const std::string& note);

    platform::PagePainter& painter_;
    SetupPrintPosition& position_;
    int model_;
    SetupViewSettings settings_;
    int line_step_ = 0;
};

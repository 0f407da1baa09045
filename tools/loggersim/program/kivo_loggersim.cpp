// kivo-loggersim: plays a logger on a pseudo-terminal (printing the path to open) or on a TCP port of
// 127.0.0.1, or an AT modem with the logger behind its calls, until interrupted.
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "tools/loggersim/battery_state.h"
#include "tools/loggersim/dc_inputs.h"
#include "tools/loggersim/discovery_responder.h"
#include "tools/loggersim/fake_modem.h"
#include "tools/loggersim/logger_simulator.h"
#include "tools/loggersim/logger_state.h"

namespace {

volatile sig_atomic_t g_stop = 0;

void OnSignal(int) {
    g_stop = 1;
}

// The logger's network module on UDP 127.0.0.1:`port`; new settings move `simulator` to their TCP port.
// Null when it cannot listen.
std::unique_ptr<DiscoveryResponder> StartResponder(LoggerSimulator& simulator,
                                                   DiscoveryResponder::Identity identity, long port) {
    auto responder = std::make_unique<DiscoveryResponder>(
        std::move(identity), [&simulator](const DiscoveryResponder::NewSettings& settings) {
            simulator.Stop();
            if (simulator.StartTcp(settings.tcpPort) == 0) {
                std::fprintf(stderr, "kivo-loggersim: cannot listen on 127.0.0.1:%d\n", settings.tcpPort);
            } else {
                std::printf("new settings %s mask %s gateway %s: listening on 127.0.0.1:%d\n",
                            settings.address.c_str(), settings.mask.c_str(), settings.gateway.c_str(),
                            settings.tcpPort);
            }
            std::fflush(stdout);
        });
    if (responder->Start(static_cast<int>(port)) == 0) {
        std::fprintf(stderr, "kivo-loggersim: cannot answer the network scan on UDP 127.0.0.1:%ld: %s\n",
                     port, std::strerror(errno));
        return nullptr;
    }
    std::printf("answering the network scan on UDP 127.0.0.1:%ld\n", port);
    return responder;
}

void PrintUsage() {
    std::printf(
        "usage: kivo-loggersim [--pty | --tcp[=PORT] | --modem[=OUTCOME]] [--model=NAME] [faults]\n"
        "  --pty               serve a pseudo-terminal and print its path (the default)\n"
        "  --tcp[=PORT]        listen on 127.0.0.1:PORT (default %d; 0: a free port, printed)\n"
        "  --modem[=OUTCOME]   play an AT modem on a pseudo-terminal, the logger behind its calls;\n"
        "                      a dialled call ends in OUTCOME: connect (the default), busy,\n"
        "                      no-dialtone, no-answer, no-carrier, error or silent\n"
        "  --connect-rate=N    the rate of \"CONNECT N\" (default 9600; 0: a bare \"CONNECT\")\n"
        "  --ring-delay=MS     how long a dialled call rings before its outcome (default 0)\n"
        "  --ignore-dtr        a call ends only by \"+++\" and \"ATH0\", not by DTR low\n"
        "                      In modem mode type \"ring\" for an incoming call and \"hangup\" for\n"
        "                      the far end hanging up.\n"
        "  --model=NAME        the logger to play (default standard):\n",
        LoggerSimulator::kDefaultTcpPort);
    for (const LoggerModel& model : LoggerModels()) {
        std::printf("                        %-14s type %2d, firmware %s\n", model.name.c_str(),
                    model.typeCode, model.firmwareText.c_str());
    }
    std::printf(
        "  --dc-inputs=V,A     a logger on the calibration bench: its setup, DC sources of V volts\n"
        "                      and A amps on its inputs\n"
        "  --battery=STATE     the battery the logger reports: good (the default), weak, low,\n"
        "                      empty, or external (on external power)\n"
        "  --alarms-crossed    every other real-time fetch reads the power quantities whose\n"
        "                      alarms are on in the active setup beyond their limits\n"
        "  --entry-lines       a Quarven answers \"R?K\" one entry a line without values and\n"
        "                      \"R?R\" in two lines\n");
    std::printf(
        "faults:\n"
        "  --garble-echoes=N   garble the echo of the next N commands\n"
        "  --drop-prompts=N    leave the prompt off the next N replies\n"
        "  --corrupt=N         change a character of the next N replies\n"
        "  --delay=MS          pause before each piece of output\n"
        "  --chunk=BYTES       write output in pieces of BYTES\n"
        "  --mute-after=N      stop answering after N commands\n"
        "  --close-after=N     close the link after N commands\n"
        "  --sleep-after=MS    fall asleep after MS without input\n"
        "  --wrong-checksums=N give the next N hex dumps a wrong checksum\n"
        "  --short-dumps=N     leave the last byte out of the next N hex dumps\n"
        "  --refused-dumps=N   answer the next N hex dumps with \"Hex dump not valid\"\n"
        "  --bad-checksums=N   give the next N hex dumps a checksum field that is not hex\n"
        "  --short-real-time=N cut the next N real-time replies to half\n");
    std::printf(
        "network scan (with --tcp):\n"
        "  --discovery=PORT    answer the scan on UDP 127.0.0.1:PORT; new settings sent to it move\n"
        "                      the logger to their TCP port\n"
        "  --device=KIND       the device kind the answers give (default ESP, the one listed)\n"
        "  --without=KEY       leave KEY (port or con) out of the answers\n");
}

// The number after "<name>=" in `argument`, when the argument is that option.
bool Option(std::string_view argument, std::string_view name, long& value) {
    if (argument.substr(0, name.size()) != name || argument.size() <= name.size() ||
        argument[name.size()] != '=') {
        return false;
    }
    const std::string digits(argument.substr(name.size() + 1));
    char* end = nullptr;
    value = std::strtol(digits.c_str(), &end, 10);
    return !digits.empty() && *end == '\0' && value >= 0;
}

// "VOLTS,AMPS": the DC sources of a production calibration.
bool ParseDcInputs(std::string_view text, DcInputs& inputs) {
    const std::string values(text);
    char* end = nullptr;
    inputs.volts = std::strtof(values.c_str(), &end);
    if (end == values.c_str() || *end != ',') {
        return false;
    }
    const char* amps = end + 1;
    inputs.ampSource = std::strtof(amps, &end);
    return end != amps && *end == '\0';
}

// Modem mode's outcomes by their option names.
bool ParseOutcome(std::string_view name, FakeModemOutcome& outcome) {
    static constexpr std::pair<std::string_view, FakeModemOutcome> kOutcomes[] = {
        {"connect", FakeModemOutcome::Connect},        {"busy", FakeModemOutcome::Busy},
        {"no-dialtone", FakeModemOutcome::NoDialtone}, {"no-answer", FakeModemOutcome::NoAnswer},
        {"no-carrier", FakeModemOutcome::NoCarrier},   {"error", FakeModemOutcome::Error},
        {"silent", FakeModemOutcome::Silence},
    };
    for (const auto& [text, value] : kOutcomes) {
        if (text == name) {
            outcome = value;
            return true;
        }
    }
    return false;
}

// Plays the modem until interrupted, taking "ring" and "hangup" from standard input.
int RunModem(LoggerSimulator& simulator, const FakeModemOptions& options) {
    FakeModem modem(simulator, options);
    const std::string path = modem.Start();
    if (path.empty()) {
        std::fprintf(stderr, "kivo-loggersim: cannot open a pseudo-terminal: %s\n", std::strerror(errno));
        return 1;
    }
    std::printf("AT modem with %s behind it on %s\n", simulator.Logger().Model().name.c_str(), path.c_str());
    std::fflush(stdout);
    std::string typed;
    bool input = true;
    while (!g_stop) {
        if (!input) {
            ::pause();
            continue;
        }
        pollfd watch{STDIN_FILENO, POLLIN, 0};
        if (::poll(&watch, 1, -1) <= 0) {
            continue;
        }
        char buffer[256];
        const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (got <= 0) {
            input = false;  // no more input: serve until interrupted
            continue;
        }
        typed.append(buffer, static_cast<std::size_t>(got));
        for (std::size_t end; (end = typed.find('\n')) != std::string::npos; typed.erase(0, end + 1)) {
            const std::string line = typed.substr(0, end);
            if (line == "ring") {
                modem.Ring();
            } else if (line == "hangup") {
                modem.HangUpFarEnd();
            } else if (!line.empty()) {
                std::printf("type \"ring\" or \"hangup\"\n");
                std::fflush(stdout);
            }
        }
    }
    modem.Stop();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const LoggerModel* model = FindLoggerModel("standard");
    SimulatorFaults faults;
    long discoveryPort = 0;
    DiscoveryResponder::Identity identity;
    std::unique_ptr<DiscoveryResponder> responder;
    bool tcp = false;
    long port = LoggerSimulator::kDefaultTcpPort;
    bool modemMode = false;
    bool entryLines = false;
    DcInputs dcInputs;
    bool withDcInputs = false;
    std::optional<SimulatedBattery> battery;
    bool alarmsCrossed = false;
    FakeModemOptions modemOptions;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        long value = 0;
        if (argument == "--pty") {
            tcp = false;
        } else if (argument == "--tcp") {
            tcp = true;
        } else if (Option(argument, "--tcp", port)) {
            tcp = true;
        } else if (argument == "--modem") {
            modemMode = true;
        } else if (argument.substr(0, 8) == "--modem=" &&
                   ParseOutcome(argument.substr(8), modemOptions.outcome)) {
            modemMode = true;
        } else if (Option(argument, "--connect-rate", value)) {
            modemOptions.connectRate = static_cast<int>(value);
        } else if (argument == "--ignore-dtr") {
            modemOptions.ignoresDtr = true;
        } else if (Option(argument, "--ring-delay", value)) {
            modemOptions.ringDelay = std::chrono::milliseconds(value);
        } else if (argument.substr(0, 8) == "--model=") {
            model = FindLoggerModel(argument.substr(8));
        } else if (argument.substr(0, 12) == "--dc-inputs=" && ParseDcInputs(argument.substr(12), dcInputs)) {
            withDcInputs = true;
        } else if (argument.substr(0, 10) == "--battery=" && BatteryNamed(argument.substr(10))) {
            battery = BatteryNamed(argument.substr(10));
        } else if (argument == "--alarms-crossed") {
            alarmsCrossed = true;
        } else if (argument == "--entry-lines") {
            entryLines = true;
        } else if (Option(argument, "--garble-echoes", value)) {
            faults.garbleEchoes = static_cast<int>(value);
        } else if (Option(argument, "--drop-prompts", value)) {
            faults.dropPrompts = static_cast<int>(value);
        } else if (Option(argument, "--corrupt", value)) {
            faults.corruptReplies = static_cast<int>(value);
        } else if (Option(argument, "--delay", value)) {
            faults.delayMs = static_cast<int>(value);
        } else if (Option(argument, "--chunk", value)) {
            faults.chunkSize = static_cast<std::size_t>(value);
        } else if (Option(argument, "--mute-after", value)) {
            faults.muteAfter = static_cast<int>(value);
        } else if (Option(argument, "--close-after", value)) {
            faults.closeAfter = static_cast<int>(value);
        } else if (Option(argument, "--sleep-after", value)) {
            faults.sleepAfterIdleMs = static_cast<int>(value);
        } else if (Option(argument, "--wrong-checksums", value)) {
            faults.wrongChecksums = static_cast<int>(value);
        } else if (Option(argument, "--short-dumps", value)) {
            faults.shortDumps = static_cast<int>(value);
        } else if (Option(argument, "--refused-dumps", value)) {
            faults.refusedDumps = static_cast<int>(value);
        } else if (Option(argument, "--bad-checksums", value)) {
            faults.badChecksumFields = static_cast<int>(value);
        } else if (Option(argument, "--short-real-time", value)) {
            faults.shortRealTime = static_cast<int>(value);
        } else if (Option(argument, "--discovery", value)) {
            discoveryPort = value;
        } else if (argument.substr(0, 9) == "--device=") {
            identity.device = argument.substr(9);
        } else if (argument == "--without=port") {
            identity.withoutPort = true;
        } else if (argument == "--without=con") {
            identity.withoutConnections = true;
        } else {
            PrintUsage();
            return argument == "--help" ? 0 : 2;
        }
        if (model == nullptr) {
            std::fprintf(stderr, "kivo-loggersim: unknown model\n");
            PrintUsage();
            return 2;
        }
    }
    if (port < 0 || port > 65535 || discoveryPort > 65535) {
        std::fprintf(stderr, "kivo-loggersim: bad port\n");
        return 2;
    }
    if (discoveryPort > 0 && !tcp) {
        std::fprintf(stderr, "kivo-loggersim: --discovery goes with --tcp\n");
        return 2;
    }
    LoggerSimulator simulator(*model, faults);
    if (entryLines) {
        simulator.Logger().ChangeState(UseEntryPerLineReplies);
    }
    simulator.Logger().ChangeState([&battery, alarmsCrossed](LoggerState& s) {
        if (battery) {
            SetBattery(s, *battery);
        }
        s.alarmsCrossed = alarmsCrossed;
    });
    if (withDcInputs) {
        simulator.Logger().ChangeState([&dcInputs, model](LoggerState& s) {
            InstallSetup(s, 1, CalibrationBenchSetup(*model));
            ApplyDcInputs(s, dcInputs);
        });
    }
    struct sigaction action {};
    action.sa_handler = OnSignal;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    if (modemMode) {
        return RunModem(simulator, modemOptions);
    }
    if (tcp) {
        // Port 0: the system chooses a free one, printed here for the caller.
        const int listening = simulator.StartTcp(static_cast<int>(port));
        if (listening == 0) {
            std::fprintf(stderr, "kivo-loggersim: cannot listen on 127.0.0.1:%ld: %s\n", port,
                         std::strerror(errno));
            return 1;
        }
        std::printf("%s listening on 127.0.0.1:%d\n", model->name.c_str(), listening);
        identity.tcpPort = listening;
        if (discoveryPort > 0) {
            responder = StartResponder(simulator, identity, discoveryPort);
            if (!responder) {
                return 1;
            }
        }
    } else {
        const std::string path = simulator.StartPty();
        if (path.empty()) {
            std::fprintf(stderr, "kivo-loggersim: cannot open a pseudo-terminal: %s\n", std::strerror(errno));
            return 1;
        }
        std::printf("%s on %s\n", model->name.c_str(), path.c_str());
    }
    std::fflush(stdout);
    while (!g_stop) {
        ::pause();
    }
    // First: its new settings restart the simulator.
    responder.reset();
    simulator.Stop();
    return 0;
}

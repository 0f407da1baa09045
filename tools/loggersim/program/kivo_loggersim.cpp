// kivo-loggersim: plays a logger on a pseudo-terminal (printing the path to open) or on a TCP port of
// 127.0.0.1, until interrupted.
#include <signal.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <memory>
#include <string_view>

#include "tools/loggersim/discovery_responder.h"
#include "tools/loggersim/logger_simulator.h"

namespace {

volatile sig_atomic_t g_stop = 0;

void OnSignal(int) {
    g_stop = 1;
}

// The logger's network module on UDP 127.0.0.1:`port`; new settings move `simulator` to their TCP port.
// Null when it cannot listen.
std::unique_ptr<DiscoveryResponder> StartResponder(LoggerSimulator& simulator, DiscoveryResponder::Identity identity,
                                                   long port) {
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
        std::fprintf(stderr, "kivo-loggersim: cannot answer the network scan on UDP 127.0.0.1:%ld: %s\n", port,
                     std::strerror(errno));
        return nullptr;
    }
    std::printf("answering the network scan on UDP 127.0.0.1:%ld\n", port);
    return responder;
}

void PrintUsage() {
    std::printf(
        "usage: kivo-loggersim [--pty | --tcp[=PORT]] [--model=NAME] [faults]\n"
        "  --pty               serve a pseudo-terminal and print its path (the default)\n"
        "  --tcp[=PORT]        listen on 127.0.0.1:PORT (default %d)\n"
        "  --model=NAME        the logger to play (default standard):\n",
        LoggerSimulator::kDefaultTcpPort);
    for (const LoggerModel& model : LoggerModels()) {
        std::printf("                        %-14s type %2d, firmware %s\n", model.name.c_str(),
                    model.typeCode, model.firmwareText.c_str());
    }
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

}  // namespace

int main(int argc, char** argv) {
    const LoggerModel* model = FindLoggerModel("standard");
    SimulatorFaults faults;
    long discoveryPort = 0;
    DiscoveryResponder::Identity identity;
    std::unique_ptr<DiscoveryResponder> responder;
    bool tcp = false;
    long port = LoggerSimulator::kDefaultTcpPort;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        long value = 0;
        if (argument == "--pty") {
            tcp = false;
        } else if (argument == "--tcp") {
            tcp = true;
        } else if (Option(argument, "--tcp", port)) {
            tcp = true;
        } else if (argument.substr(0, 8) == "--model=") {
            model = FindLoggerModel(argument.substr(8));
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
    if (port < 1 || port > 65535 || discoveryPort > 65535) {
        std::fprintf(stderr, "kivo-loggersim: bad port\n");
        return 2;
    }
    if (discoveryPort > 0 && !tcp) {
        std::fprintf(stderr, "kivo-loggersim: --discovery goes with --tcp\n");
        return 2;
    }
    LoggerSimulator simulator(*model, faults);
    if (tcp) {
        if (simulator.StartTcp(static_cast<int>(port)) == 0) {
            std::fprintf(stderr, "kivo-loggersim: cannot listen on 127.0.0.1:%ld: %s\n", port,
                         std::strerror(errno));
            return 1;
        }
        std::printf("%s listening on 127.0.0.1:%ld\n", model->name.c_str(), port);
        identity.tcpPort = static_cast<int>(port);
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
    struct sigaction action {};
    action.sa_handler = OnSignal;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    while (!g_stop) {
        ::pause();
    }
    // First: its new settings restart the simulator.
    responder.reset();
    simulator.Stop();
    return 0;
}

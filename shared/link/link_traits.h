// LinkTraits: how one kind of link behaves above its transport, so that the command routine never asks
// which kind it runs on.
#pragma once

struct LinkTraits {
    // How many times the wake-up sends its blank.
    int wakeAttempts = 2;
    // The wake-up posts "attempt n" notices.
    bool reportsWakeAttempts = true;
    // A reply time-out escapes and sends the command again.
    bool retriesAfterTimeout = true;
    // The wake-up sends a NUL and waits before its escape.
    bool nulBeforeEscape = true;
    // The command line's delays before and after a send apply.
    bool pacesSends = true;
    // Bytes that no command waits for are dropped.
    bool keepsOnlyAwaitedBytes = false;
    // A receive buffer that cannot take the next bytes ends the link (else they are dropped).
    bool overflowEndsLink = false;
    // "_!RESET" makes the logger drop the link.
    bool resetDropsLink = false;
};

// A serial or USB-serial port, and a modem line.
inline constexpr LinkTraits kSerialLinkTraits{};
inline constexpr LinkTraits kModemLinkTraits{.wakeAttempts = 3};
// A TCP connection to a network logger.
inline constexpr LinkTraits kNetworkLinkTraits{.wakeAttempts = 5,
                                               .reportsWakeAttempts = false,
                                               .retriesAfterTimeout = false,
                                               .nulBeforeEscape = false,
                                               .pacesSends = false,
                                               .keepsOnlyAwaitedBytes = true,
                                               .overflowEndsLink = true,
                                               .resetDropsLink = true};

// What the recovery question after a broken download says and offers, by the records received and
// whether the link's port was lost.
#pragma once

#include <string>

struct RecoveryQuestion {
    std::string message;
    bool offersKeep = false;      // OK: nothing to keep without a record
    bool offersTryAgain = false;  // the third button: no second try without the port
};

// `prefix` goes first: the lost port's text, or nothing.
RecoveryQuestion DescribeRecoveryQuestion(int recordCount, bool portLost, const std::string& prefix);

// DialogRequest: a dialog that code without windows asks for by its name, with plain values in and out,
// and the program-wide table of the windows that answer such requests.
#pragma once

#include <functional>
#include <map>
#include <string>

namespace platform {

// The values travel as texts under names the dialog and its caller agree on ("records", "extraText").
struct DialogRequest {
    std::string name;  // the dialog's class name: "CDataRecoveryDlg"
    std::map<std::string, std::string> values;

    void Set(const std::string& key, std::string value) { values[key] = std::move(value); }
    void SetInt(const std::string& key, long long value) { values[key] = std::to_string(value); }
    // The value under `key`; `fallback` when it is missing (or, for GetInt, not a number).
    std::string Get(const std::string& key, const std::string& fallback = {}) const;
    long long GetInt(const std::string& key, long long fallback = 0) const;
};

// Shows the window of a request on the user-interface thread and returns its result (IDOK, IDCANCEL or
// a button id); it writes the values the user chose back into the request.
using DialogRunner = std::function<int(DialogRequest&)>;

// The program registers one window per request name at start; a later registration replaces it.
void RegisterDialogRunner(const std::string& name, DialogRunner runner);
// The window registered for `name`; an empty function when there is none.
DialogRunner FindDialogRunner(const std::string& name);

// Asks the current broker (UiBroker::RunRequest) for `request`.
int RunDialogRequest(DialogRequest& request);

}  // namespace platform

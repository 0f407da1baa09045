// Acts on the next modal window of a test once it shows (a box, a dialog), from the event loop it runs.
#pragma once

#include <QWidget>
#include <functional>

namespace testsupport {

// Calls `action` with the modal window as soon as one is shown; fails the test when none shows within
// a minute, and closes the window (failing the test) when it is still open a minute after the action.
// Call before the code that opens the window.
void OnNextModal(std::function<void(QWidget*)> action);
// As OnNextModal, for a window that `outer` opens: `outer` stays the active modal window until then
// (while it waits for something, say), and is passed over.
void OnNextModalOver(QWidget* outer, std::function<void(QWidget*)> action);

// Processes events until `done()` or a minute passed; false on time-out.
bool ProcessEventsUntil(const std::function<bool()>& done);
// Processes events for `milliseconds`.
void ProcessEventsFor(int milliseconds);

}  // namespace testsupport

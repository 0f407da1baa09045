// CLostPortDialog: the notice that the serial port of the running link was removed; it says when the
// link is back and then closes by itself.
#pragma once

#include <QLabel>
#include <QTimer>
#include <string>

#include "platform/ui/dialog.h"

class CSession;

class CLostPortDialog : public platform::Dialog {
    Q_OBJECT

public:
    // Ticks the dialog stays open once the link is back.
    static constexpr int kTicksOnceBack = 5;

    // `session` is the one whose link lost its port (nullptr: none runs).
    explicit CLostPortDialog(const CSession* session, QWidget* parent = nullptr);

    // What was removed (the port's name), shown first; set before the dialog runs.
    void SetMessage(std::string message) { message_ = std::move(message); }

protected:
    bool OnInitDialog() override;
    // Stops the watch first: a closed notice never ends itself again.
    void done(int result) override;
    // Once a second: is the running session connected again?
    void OnTick();

private:
    void ShowText();

    const CSession* session_;
    std::string message_;
    bool back_ = false;
    int countdown_ = -1;
    QLabel* text_;
    QTimer* timer_;
};

// CFlatToolBar: the main toolbar. Its buttons send their commands along the frame's command route and
// ask the route for their state on the user-interface clock's idle tick.
#pragma once

#include <QTimer>
#include <QToolBar>
#include <string>
#include <vector>

namespace platform {
class MainFrame;
}

class CFlatToolBar : public QToolBar {
    Q_OBJECT

public:
    // How often the buttons ask for their state.
    static constexpr int kIdleTickMs = 250;

    struct Button {
        unsigned command = 0;  // 0: a separator
        QIcon image;
        std::string tip;  // 8-bit program text; "&" marks are dropped
    };

    explicit CFlatToolBar(platform::MainFrame& frame);

    // Flat buttons show their border only under the pointer.
    void SetFlat(bool flat);
    bool IsFlat() const { return flat_; }
    // Makes the buttons, replacing those there were; starts the idle tick.
    void LoadToolBar(const std::vector<Button>& buttons);
    // Each button takes the enabled and checked state its command has now.
    void UpdateButtons();

private:
    platform::MainFrame& frame_;
    bool flat_ = true;
    QTimer idle_tick_;
};

// Terminal speed constants back to baud rates.
#include "tools/loggersim/line_speed.h"

#include <termios.h>

namespace {

struct SpeedEntry {
    speed_t speed;
    int baud;
};

constexpr SpeedEntry kSpeeds[] = {
    {B300, 300},     {B600, 600},     {B1200, 1200},   {B2400, 2400},     {B4800, 4800},
    {B9600, 9600},   {B19200, 19200}, {B38400, 38400}, {B57600, 57600},   {B115200, 115200},
    {B230400, 230400},
};

}  // namespace

int LineSpeedOf(int fd) {
    termios settings{};
    if (::tcgetattr(fd, &settings) != 0) {
        return 0;
    }
    const speed_t speed = ::cfgetispeed(&settings);
    for (const SpeedEntry& entry : kSpeeds) {
        if (entry.speed == speed) {
            return entry.baud;
        }
    }
    return 0;
}

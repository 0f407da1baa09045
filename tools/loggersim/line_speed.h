// The speed of a terminal's line settings, as the program at its other end set them.
#pragma once

// The baud rate of the line settings of terminal `fd` (for a pseudo-terminal master: those its slave
// was given); 0 when `fd` is no terminal or the speed is none of the standard ones.
int LineSpeedOf(int fd);

// Expanding a run-length setup image.
#include "shared/logger/setup_image_expand.h"

#include <algorithm>
#include <cstdlib>

bool ExpandSetupImage(std::span<std::uint8_t> out, std::span<const std::uint8_t> source, std::size_t& count) {
    count = 0;
    std::size_t at = 0;
    while (at < source.size()) {
        if (source.size() - at < 2) {
            return false;
        }
        const int run = static_cast<std::int16_t>(source[at] << 8 | source[at + 1]);
        at += 2;
        const std::size_t length = static_cast<std::size_t>(std::abs(run));
        if (out.size() - count < length) {
            return false;
        }
        if (run < 0) {
            std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(count), length, std::uint8_t{0});
        } else {
            if (source.size() - at < length) {
                return false;
            }
            std::copy_n(source.begin() + static_cast<std::ptrdiff_t>(at), length,
                        out.begin() + static_cast<std::ptrdiff_t>(count));
            at += length;
        }
        count += length;
    }
    return true;
}

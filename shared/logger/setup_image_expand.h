// The run-length form in which a standard logger gives its ROM setups in one reply.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

// Runs of a signed 16-bit count (most significant byte first): a positive count is followed by that
// many bytes to copy, a negative one stands for that many zero bytes. `count` gets the bytes written.
// False, with nothing written past `out`, when a run needs more room or more source than there is.
bool ExpandSetupImage(std::span<std::uint8_t> out, std::span<const std::uint8_t> source, std::size_t& count);

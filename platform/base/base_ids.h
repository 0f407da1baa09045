// Text ids of the base layer, as the resource library numbers them.
#pragma once

// A system error or result code without a text of its own.
inline constexpr unsigned IDS_UNKNOWN_ERROR = 59546;

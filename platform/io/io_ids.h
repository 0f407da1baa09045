// Text ids of the input/output layer.
#pragma once

// A failed web transfer whose library gave no reason.
inline constexpr unsigned IDS_HTTP_UNSPECIFIED_ERROR = 20870;
// A web transfer that brought another number of bytes than expected: %1 the bytes that came, %2 expected.
inline constexpr unsigned IDS_HTTP_INCOMPLETE_FILE = 20871;

// Status and message texts of the real-time loop, as the resource library numbers them.
#pragma once

inline constexpr unsigned IDS_RT_REFRESHING = 9245;
inline constexpr unsigned IDS_RT_UPDATING = 9256;
inline constexpr unsigned IDS_RT_HELD = 9257;
inline constexpr unsigned IDS_RT_LOGGER_ANSWERED = 9258;
inline constexpr unsigned IDS_RT_LINK_LOST = 12320;
// Ours: 12351, the text Lite window's lost link, is taken by another text in our tables.
inline constexpr unsigned IDS_RT_LINK_LOST_TEXT = 22306;
// The waveform capture failed (no logger, no clock, no samples).
inline constexpr unsigned IDS_WF_CAPTURE_FAILED = 12472;

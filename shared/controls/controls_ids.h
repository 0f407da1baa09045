// Dialog and control ids of the windows that both programs share, as the resource library numbers them.
#pragma once

// The program's own message dialog (its button ids are in shared/common/message_box_flags.h).
inline constexpr int IDC_MSGBOX_TEXT1 = 1268;
inline constexpr int IDC_MSGBOX_TEXT2 = 1269;
inline constexpr int IDC_MSGBOX_ICON = 1270;
inline constexpr int IDC_MSGBOX_CHECK = 2264;

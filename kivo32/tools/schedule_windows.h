// The windows that answer the host-call schedule request.
#pragma once

void RegisterScheduleWindows();

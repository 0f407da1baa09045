// The program's own date and time formats, guarded for the threads that print and read dates.
#include "shared/common/program_date_formats.h"

#include <mutex>
#include <utility>

namespace {

std::mutex g_mutex;

CDateTimeFormatHelper& Helper() {
    static CDateTimeFormatHelper helper;
    return helper;
}

}  // namespace

void SetProgramFormatSource(CDateTimeFormatHelper::FormatSource source) {
    std::lock_guard lock(g_mutex);
    Helper() = CDateTimeFormatHelper(std::move(source));
    Helper().LoadFormats(1);
}

void ReloadProgramFormats() {
    std::lock_guard lock(g_mutex);
    Helper().LoadFormats(1);
}

std::string GetProgramShortDateFormat() {
    std::lock_guard lock(g_mutex);
    return Helper().GetShortDateFormat();
}

int GetProgramDateOrder() {
    std::lock_guard lock(g_mutex);
    return Helper().GetDateOrder();
}

std::string GetProgramTimeFormat() {
    std::lock_guard lock(g_mutex);
    return Helper().GetTimeFormat();
}

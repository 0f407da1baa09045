// The user texts of the chosen language, by id, for code without windows.
#include "platform/base/program_texts.h"

#include <memory>
#include <mutex>

namespace {

std::mutex g_mutex;
std::shared_ptr<const platform::TextTable> g_texts = std::make_shared<platform::TextTable>();

}  // namespace

void SetProgramTexts(platform::TextTable texts) {
    auto table = std::make_shared<const platform::TextTable>(std::move(texts));
    std::lock_guard lock(g_mutex);
    g_texts = std::move(table);
}

std::string LoadText(unsigned id) {
    std::shared_ptr<const platform::TextTable> texts;
    {
        std::lock_guard lock(g_mutex);
        texts = g_texts;
    }
    return texts->Get(id);
}

// Taking key-and-value items off a logger reply.
#include "shared/logger/reply_field.h"

#include <algorithm>

bool ParseReplyField(std::string& reply, std::string& key, std::string& value) {
    if (!ParseReplyItem(reply, key, value)) {
        return false;
    }
    const std::size_t tab = key.find('\t');
    key = tab == std::string::npos ? key + ":" : key.substr(0, tab) + ":" + key.substr(tab);
    return true;
}

bool ParseReplyItem(std::string& reply, std::string& key, std::string& value) {
    const std::size_t first = reply.find_first_not_of(" \r\n");
    if (first == std::string::npos) {
        reply.clear();
        return false;
    }
    const std::size_t equals = reply.find('=', first);
    if (equals == std::string::npos) {
        return false;
    }
    key = reply.substr(first, equals - first);
    std::replace(key.begin(), key.end(), '_', ' ');

    std::size_t next = equals + 1;
    if (next < reply.size() && reply[next] == '"') {
        const std::size_t closing = reply.find('"', next + 1);
        const std::size_t end = closing == std::string::npos ? reply.size() : closing;
        value = reply.substr(next + 1, end - next - 1);
        next = closing == std::string::npos ? reply.size() : closing + 1;
        // What stands between the closing quote and the separator belongs to no item.
        const std::size_t comma = reply.find(',', next);
        next = comma == std::string::npos ? reply.size() : comma;
    } else {
        const std::size_t comma = reply.find(',', next);
        const std::size_t end = comma == std::string::npos ? reply.size() : comma;
        value = reply.substr(next, end - next);
        next = end;
    }
    if (next < reply.size() && reply[next] == ',') {
        ++next;
    }
    reply.erase(0, next);
    return true;
}

void ForEachReplyItem(const std::string& reply,
                      const std::function<void(const std::string&, const std::string&)>& take) {
    // Each run of line ends separates two items as a comma does.
    std::string items;
    for (const char c : reply) {
        if (c != '\r' && c != '\n') {
            items += c;
        } else if (!items.empty() && items.back() != ',') {
            items += ',';
        }
    }
    std::string key;
    std::string value;
    while (ParseReplyItem(items, key, value)) {
        take(TrimmedReply(key), TrimmedReply(value));
    }
}

std::string TrimmedReply(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

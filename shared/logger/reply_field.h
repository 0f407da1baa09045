// The key-and-value items of a Quarven logger's "L?" replies: key=value, key="value, with commas",...
#pragma once

#include <functional>
#include <string>

// Takes the next item off the front of `reply`: leading blanks and line ends skipped; the key up to
// "=" with each "_" turned into a blank and ":" put before a tab in it (or after it when it has none);
// the value up to the next "," or, when it starts with a double quote, up to the closing one (quotes
// removed). The item and one "," after it leave `reply`. False when no key is left.
bool ParseReplyField(std::string& reply, std::string& key, std::string& value);
// The same with the key as the logger names it ("_" still turned into a blank, no ":" added).
bool ParseReplyItem(std::string& reply, std::string& key, std::string& value);
// Calls `take` with the key and the trimmed value of every item of a reply whose items stand on one
// line or on several.
void ForEachReplyItem(const std::string& reply,
                      const std::function<void(const std::string&, const std::string&)>& take);

// `text` without blanks, tabs and line ends at either end.
std::string TrimmedReply(const std::string& text);

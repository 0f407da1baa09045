// CHyperlink: a link text (a web or mail address, or a file) that opens with the desktop's default
// application.
#pragma once

#include <string>
#include <utility>

class CHyperlink {
public:
    CHyperlink() = default;
    explicit CHyperlink(std::string link) : link_(std::move(link)) {}

    const std::string& Text() const { return link_; }
    void SetText(std::string link) { link_ = std::move(link); }
    bool IsEmpty() const { return link_.empty(); }

    // Opens the link through the desktop services: an address with a scheme ("https:", "mailto:") as an
    // address, anything else as a file. False when the link is empty or the desktop did not take it.
    bool Open() const;

private:
    std::string link_;
};

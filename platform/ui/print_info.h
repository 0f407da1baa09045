// The state of a print job that the printing view reads and updates page by page.
#pragma once

namespace platform {

struct PrintInfo {
    static constexpr int kUnknownPages = 0xFFFF;

    // The pages the document has (maxPage kUnknownPages while not known) and those the user chose.
    int minPage = 1;
    int maxPage = kUnknownPages;
    int fromPage = 1;
    int toPage = kUnknownPages;
    // The page being printed.
    int currentPage = 1;
    // A view that does not know its page count clears this when it has printed its last page.
    bool continuePrinting = true;

    void SetMaxPage(int pages) {
        maxPage = pages;
        toPage = pages;
    }
};

}  // namespace platform

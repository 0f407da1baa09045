// The plotting methods of the graph type dialog: list position to method code and back.
#include "kivo32/views/graph_methods.h"

#include <algorithm>

int GraphMethodCode(int listIndex) {
    return listIndex >= 0 && listIndex < static_cast<int>(kGraphMethodCodes.size())
               ? kGraphMethodCodes[static_cast<std::size_t>(listIndex)]
               : 0;
}

int GraphMethodIndex(int code) {
    const auto found = std::find(kGraphMethodCodes.begin(), kGraphMethodCodes.end(), code);
    return found == kGraphMethodCodes.end() ? 0 : static_cast<int>(found - kGraphMethodCodes.begin());
}

#include "kivo32/views/view_toolbar.h"

#include <utility>

namespace {

ViewToolBarLoader& Loader() {
    static ViewToolBarLoader loader;
    return loader;
}

}  // namespace

void SetViewToolBarLoader(ViewToolBarLoader loader) {
    Loader() = std::move(loader);
}

void ShowViewToolBar(int toolbarId, bool active) {
    if (Loader()) {
        Loader()(toolbarId, active);
    }
}

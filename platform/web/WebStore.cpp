// The browser's side of the host store: the device root is an in-memory copy
// of the origin's IndexedDB store, one copy per tab. Around each registry
// lock the copy takes in what other tabs wrote and hands back what this one
// changed, under one browser lock for the whole origin, so two programs in
// two tabs never lose each other's values. The work is in module.js.

#include <emscripten.h>

#include "../core/HostStore.h"

// The page's side, in module.js and site/page.js.
EM_ASYNC_JS(void, deckhollow_store_begin, (), { await deckhollowStore.begin(); });
EM_ASYNC_JS(void, deckhollow_store_end, (), { await deckhollowStore.end(); });
// While the page goes away nothing may wait (an asynchronous call would
// never come back): the copy is written as it is, kept fresh meanwhile by
// what the other tabs announced.
EM_JS(int, deckhollow_store_unloading, (), { return deckhollowStore.unloading ? 1 : 0; });
EM_JS(void, deckhollow_store_end_now, (), { deckhollowStore.handBackNow(); });

namespace platform::hoststore {

void begin() {
    if (!deckhollow_store_unloading()) deckhollow_store_begin();
}

void end() {
    if (deckhollow_store_unloading()) {
        deckhollow_store_end_now();
    } else {
        deckhollow_store_end();
    }
}

}  // namespace platform::hoststore

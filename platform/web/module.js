// Runs inside every program's module (and the installer's) before main: the
// device root is mounted at /device from the origin's IndexedDB store, and
// the store and instance services the C++ side calls (WebStore.cpp,
// WebInstance.cpp) are defined here, where FS and IDBFS are in scope.

var deckhollowRoot = '/device';

// Node-style callbacks to promises, for IDBFS's helpers.
function deckhollowCall(f, ...args) {
  return new Promise((resolve, reject) => {
    f(...args, (error, value) => (error ? reject(error) : resolve(value)));
  });
}

// The device root is a copy of the shared store. Every tab keeps what it
// last saw of each file (its time stamp); taking in writes only what other
// tabs changed, handing back only what this tab changed, so neither ever
// deletes or rolls back the other's files. One browser lock orders it all.
var deckhollowStore = {
  mount: null,
  known: {},
  depth: 0,
  release: null,

  // Set while the page goes away: nothing may wait any more (unloadSave).
  unloading: false,
  channel: typeof BroadcastChannel != 'undefined' ? new BroadcastChannel('deckhollow-device') : null,

  begin: async function () {
    if (this.depth++ > 0 || this.unloading) return;
    if (typeof navigator != 'undefined' && navigator.locks) {
      await new Promise((granted) => {
        navigator.locks.request('deckhollow-device', () => new Promise((release) => {
          this.release = release;
          granted();
        }));
      });
    }
    try {
      await this.takeIn();
    } catch (e) {
      err('deckhollow: the stored device could not be read: ' + e);
    }
  },

  end: async function () {
    if (--this.depth > 0) return;
    if (this.unloading) {
      this.handBackNow();
      return;
    }
    try {
      await this.handBack();
    } catch (e) {
      err('deckhollow: the device could not be stored: ' + e);
    } finally {
      if (this.release) this.release();
      this.release = null;
    }
  },

  takeIn: async function () {
    const remote = await deckhollowCall(IDBFS.getRemoteSet, this.mount);
    const local = await deckhollowCall(IDBFS.getLocalSet, this.mount);
    const stamp = (set, path) => set.entries[path] && set.entries[path]['timestamp'].getTime();
    // Parents before their children.
    const wanted = Object.keys(remote.entries)
      .filter((path) => stamp(local, path) !== stamp(remote, path))
      .sort((a, b) => a.length - b.length);
    for (const path of Object.keys(this.known)) {
      // Removed by another tab and not touched here since.
      if (remote.entries[path] || stamp(local, path) !== this.known[path]) continue;
      if (FS.isFile(FS.stat(path).mode)) FS.unlink(path);
      delete this.known[path];
    }
    if (wanted.length) {
      const store = remote.db.transaction([IDBFS.DB_STORE_NAME], 'readonly')
        .objectStore(IDBFS.DB_STORE_NAME);
      const entries = await Promise.all(
        wanted.map((path) => deckhollowCall(IDBFS.loadRemoteEntry, store, path)));
      for (let i = 0; i < wanted.length; ++i) {
        // Listed, and gone by the time it was read (the listing is a
        // transaction of its own): there is nothing to take in, and the
        // rest must still come in.
        if (!entries[i]) {
          delete remote.entries[wanted[i]];
          continue;
        }
        await deckhollowCall(IDBFS.storeLocalEntry, wanted[i], entries[i]);
      }
    }
    for (const path of Object.keys(remote.entries)) this.known[path] = stamp(remote, path);
  },

  // What this tab changed since it last took in or handed back.
  changes: function () {
    const local = {};
    IDBFS.getLocalSet(this.mount, (error, set) => {
      if (error) throw error;
      Object.assign(local, set.entries);
    });
    return {
      local: local,
      changed: Object.keys(local)
        .filter((path) => this.known[path] !== local[path]['timestamp'].getTime()),
      gone: Object.keys(this.known).filter((path) => !local[path]),
    };
  },

  // Starts the writes in one transaction at once (a transaction ends with
  // the task that made it) and returns it, or null when nothing changed.
  write: function (db, changes) {
    if (!changes.changed.length && !changes.gone.length) return null;
    const transaction = db.transaction([IDBFS.DB_STORE_NAME], 'readwrite');
    const store = transaction.objectStore(IDBFS.DB_STORE_NAME);
    for (const path of changes.changed) {
      IDBFS.loadLocalEntry(path, (error, entry) => {
        if (!error) IDBFS.storeRemoteEntry(store, path, entry, () => {});
      });
    }
    for (const path of changes.gone) IDBFS.removeRemoteEntry(store, path, () => {});
    return transaction;
  },

  written: function (changes) {
    for (const path of changes.changed) this.known[path] = changes.local[path]['timestamp'].getTime();
    for (const path of changes.gone) delete this.known[path];
    // The other tabs take it in at once, so that what they write on their
    // way out (unloadSave) starts from it.
    if (this.channel) this.channel.postMessage('changed');
  },

  handBack: async function () {
    const db = await deckhollowCall(IDBFS.getDB, this.mount.mountpoint);
    const changes = this.changes();
    const transaction = this.write(db, changes);
    if (!transaction) return;
    await new Promise((resolve, reject) => {
      transaction.oncomplete = resolve;
      transaction.onabort = transaction.onerror = () => reject(transaction.error);
    });
    this.written(changes);
  },

  // The page is going: the writes are started and not waited for.
  handBackNow: function () {
    const db = IDBFS.dbs[this.mount.mountpoint];
    if (!db) return;
    const changes = this.changes();
    if (this.write(db, changes)) this.written(changes);
  },

  // Takes in and hands back at once (start-up and the installer's end).
  sync: async function () {
    await this.begin();
    await this.end();
  },

  // Another tab handed back: take it in while this one waits for nothing.
  listen: function () {
    if (!this.channel) return;
    this.channel.onmessage = () => {
      if (this.depth > 0 || this.unloading || !navigator.locks) return;
      navigator.locks.request('deckhollow-device', () => (this.depth > 0 ? null : this.takeIn()))
        .catch((e) => err('deckhollow: ' + e));
    };
  },
};
deckhollowStore.listen();

// One running program per class in the whole browser (WebInstance.cpp).
var deckhollowInstance = {
  queue: [],
  channel: null,
  lockName: (name) => 'deckhollow-instance:' + name,

  claim: async function (name) {
    if (typeof navigator == 'undefined' || !navigator.locks) return 1;
    const taken = await new Promise((resolve) => {
      navigator.locks.request(this.lockName(name), { ifAvailable: true }, (lock) => {
        resolve(lock ? 1 : 0);
        // Held until the page goes.
        return lock ? new Promise(() => {}) : undefined;
      });
    });
    if (taken) {
      this.channel = new BroadcastChannel(this.lockName(name));
      this.channel.onmessage = (event) => {
        this.queue.push(event.data);
        if (Module.page) Module.page.wake();
      };
    }
    return taken;
  },

  held: async function (name) {
    if (typeof navigator == 'undefined' || !navigator.locks) return 0;
    const state = await navigator.locks.query();
    return state.held.some((lock) => lock.name === this.lockName(name)) ? 1 : 0;
  },

  send: function (name, message, wParam) {
    const channel = new BroadcastChannel(this.lockName(name));
    channel.postMessage({ message: message, wParam: wParam });
    channel.close();
    if (Module.page) Module.page.sentToAnotherTab();
  },

  next: function (messagePointer, wParamPointer) {
    const record = this.queue.shift();
    if (!record || typeof record.message != 'number' || typeof record.wParam != 'number') return 0;
    HEAPU32[messagePointer >> 2] = record.message >>> 0;
    HEAPF64[wParamPointer >> 3] = record.wParam;
    return 1;
  },
};

Module['preRun'] = [].concat(Module['preRun'] || [], function () {
  FS.mkdir(deckhollowRoot);
  // IDBFS without its syncfs: Emscripten answers an fsync on a mounted file
  // system by syncing the whole mount, which for IDBFS makes the shared
  // store a mirror of this tab's copy, outside the store's lock: it wrote
  // back stale files and removed what other tabs had stored (two installers
  // at once lost the registry's InstallDir). Here fsync returns at once;
  // deckhollowStore is the only way files reach the store.
  const deviceType = Object.assign(Object.create(IDBFS), { syncfs: undefined });
  deckhollowStore.mount = FS.mount(deviceType, {}, deckhollowRoot).mount;
  ENV['DECKHOLLOW_ROOT'] = deckhollowRoot;
  const env = Module['deckhollowEnv'] || {};
  for (const name of Object.keys(env)) ENV[name] = String(env[name]);
  addRunDependency('deckhollow-device');
  deckhollowStore.sync().finally(() => removeRunDependency('deckhollow-device'));
});

// Called by the page on pagehide. Not while the program is inside a
// registry call of its own (it is waiting for the store there), and not
// after it ended.
Module['saveForUnload'] = function () {
  if (deckhollowStore.depth > 0 || ABORT || !Module['_deckhollow_save_for_unload']) return;
  deckhollowStore.unloading = true;
  try {
    Module['_deckhollow_save_for_unload']();
  } finally {
    deckhollowStore.unloading = false;
  }
};

// Files written outside the registry (the installer's pictures and waves)
// are handed back once the module ends.
var deckhollowPageExit = Module['onExit'];
Module['onExit'] = function (code) {
  deckhollowStore.sync().finally(() => {
    if (deckhollowPageExit) deckhollowPageExit(code);
  });
};

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

  begin: async function () {
    if (this.depth++ > 0) return;
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
        await deckhollowCall(IDBFS.storeLocalEntry, wanted[i], entries[i]);
      }
    }
    for (const path of Object.keys(remote.entries)) this.known[path] = stamp(remote, path);
  },

  handBack: async function () {
    const local = await deckhollowCall(IDBFS.getLocalSet, this.mount);
    const changed = Object.keys(local.entries)
      .filter((path) => this.known[path] !== local.entries[path]['timestamp'].getTime());
    const gone = Object.keys(this.known).filter((path) => !local.entries[path]);
    if (!changed.length && !gone.length) return;
    const db = await deckhollowCall(IDBFS.getDB, this.mount.mountpoint);
    const transaction = db.transaction([IDBFS.DB_STORE_NAME], 'readwrite');
    const store = transaction.objectStore(IDBFS.DB_STORE_NAME);
    const done = new Promise((resolve, reject) => {
      transaction.oncomplete = resolve;
      transaction.onabort = transaction.onerror = () => reject(transaction.error);
    });
    // Requests are made at once: a transaction ends when its task does.
    for (const path of changed) {
      IDBFS.loadLocalEntry(path, (error, entry) => {
        if (!error) IDBFS.storeRemoteEntry(store, path, entry, () => {});
      });
    }
    for (const path of gone) IDBFS.removeRemoteEntry(store, path, () => {});
    await done;
    for (const path of changed) this.known[path] = local.entries[path]['timestamp'].getTime();
    for (const path of gone) delete this.known[path];
  },

  // Takes in and hands back at once (start-up and the installer's end).
  sync: async function () {
    await this.begin();
    await this.end();
  },
};

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
  deckhollowStore.mount = FS.mount(IDBFS, {}, deckhollowRoot).mount;
  ENV['DECKHOLLOW_ROOT'] = deckhollowRoot;
  const env = Module['deckhollowEnv'] || {};
  for (const name of Object.keys(env)) ENV[name] = String(env[name]);
  addRunDependency('deckhollow-device');
  deckhollowStore.sync().finally(() => removeRunDependency('deckhollow-device'));
});

// Files written outside the registry (the installer's pictures and waves)
// are handed back once the module ends.
var deckhollowPageExit = Module['onExit'];
Module['onExit'] = function (code) {
  deckhollowStore.sync().finally(() => {
    if (deckhollowPageExit) deckhollowPageExit(code);
  });
};

// The single file carries the program's module as base64 in a script
// element the browser does not run (#kk-module). Read as a data: URL, the
// browser decodes it and compiles it as it streams, away from the page's
// thread, instead of the page's script holding it as one long string.
Module['instantiateWasm'] = function (imports, receive) {
  var url = 'data:application/wasm;base64,' + document.getElementById('kk-module').textContent;
  var fromBytes = function () {
    return fetch(url).then(function (response) {
      return response.arrayBuffer();
    }).then(function (bytes) {
      return WebAssembly.instantiate(bytes, imports);
    });
  };
  var made = WebAssembly.instantiateStreaming
    ? WebAssembly.instantiateStreaming(fetch(url), imports).catch(fromBytes)
    : fromBytes();
  made.then(function (result) {
    receive(result.instance, result.module);
  }, function (error) {
    console.error('Klonkatron cannot start its module: ' + error);
  });
  return {};  // the exports come later, through receive
};

// The program starts once the page's embedded fonts are ready, so that its
// first measures and paints are in them (klonkatron-fonts.css).
Module['preRun'] = [].concat(Module['preRun'] || [], function () {
  if (typeof document === 'undefined' || !document.fonts) return;
  addRunDependency('kk-fonts');
  var family = '"Liberation Sans"';
  Promise.all([document.fonts.load('11px ' + family), document.fonts.load('bold 11px ' + family)])
    .catch(function () {})
    .then(function () {
      removeRunDependency('kk-fonts');
    });
});

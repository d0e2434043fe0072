// The live page's own script, run in a world of its own once the first page
// has loaded. It finds the marker the first page holds where the rest goes
// in (the last such comment: a message may hold its text too) and keeps
// what adds a piece: decoded as the page is, in `charset`, then parsed in
// the marker's place. The program calls it with the page's charset.
(function (charset) {
  const it = document.createNodeIterator(document, NodeFilter.SHOW_COMMENT);
  let marker = null;
  for (let n = it.nextNode(); n; n = it.nextNode()) {
    if (n.data === 'orvex-pieces') marker = n;
  }
  if (!marker) return false;
  const decoder = new TextDecoder(charset, { ignoreBOM: true });
  // A piece comes as base64: its bytes as the page file holds them.
  window.orvexAddPiece = function (base64) {
    const s = atob(base64);
    const bytes = new Uint8Array(s.length);
    for (let i = 0; i < s.length; ++i) bytes[i] = s.charCodeAt(i);
    const range = document.createRange();
    range.setStartBefore(marker);
    marker.parentNode.insertBefore(range.createContextualFragment(decoder.decode(bytes)), marker);
    return true;
  };
  window.orvexPiecesDone = function () {
    marker.remove();
    return true;
  };
  return true;
})

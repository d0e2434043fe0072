// Marks, on a day page opened from a search result (day.html#q=TEXT), every
// place of TEXT in the messages, with the search's rule (letters A-Z and a-z
// taken as equal, every other character only as itself; of overlapping
// places, those that do not overlap from the left), and shows the first.
// Text only ever stays text: marks wrap the page's own text nodes.
(function () {
  "use strict";
  var found = /^#q=(.*)$/.exec(window.location.hash);
  var query = "";
  try {
    query = found ? decodeURIComponent(found[1]) : "";
  } catch (e) {
    return;  // not a fragment the search page wrote
  }
  if (query === "") return;
  var source = "";
  for (var i = 0; i < query.length; ++i) {
    var c = query.charAt(i);
    if (/^[A-Za-z]$/.test(c)) {
      source += "[" + c.toUpperCase() + c.toLowerCase() + "]";
    } else {
      source += "\\u" + ("000" + query.charCodeAt(i).toString(16)).slice(-4);
    }
  }
  var pattern = new RegExp(source, "g");

  // The messages' text in runs: a run's text nodes read as one text (a place
  // may cross a bold word's edge) and ends where a block or a line does, so
  // no place runs from one message into the next.
  var SKIPPED = /^(NAV|FORM|SCRIPT|STYLE|NOSCRIPT|TEXTAREA|SELECT|SVG|MARK)$/i;
  var INLINE = /^(A|ABBR|B|BIG|CITE|CODE|EM|FONT|I|Q|S|SMALL|SPAN|STRIKE|STRONG|SUB|SUP|TT|U)$/i;
  var runs = [], run = null;
  function walk(element) {
    for (var n = element.firstChild; n; n = n.nextSibling) {
      if (n.nodeType === 3) {
        if (!run) runs.push(run = { text: "", nodes: [], starts: [] });
        run.nodes.push(n);
        run.starts.push(run.text.length);
        run.text += n.data;
      } else if (n.nodeType === 1) {
        var inline = INLINE.test(n.nodeName);
        if (!inline) run = null;
        if (!SKIPPED.test(n.nodeName)) walk(n);
        if (!inline) run = null;
      }
    }
  }
  walk(document.querySelector("main") || document.body);

  // Marks text[from, to) of a run: a part in each text node it covers, the
  // last first, so that the offsets still to mark stay where they were.
  function markPlace(r, from, to) {
    var first = null;
    for (var k = r.nodes.length - 1; k >= 0; --k) {
      var start = r.starts[k], end = start + r.nodes[k].data.length;
      if (start >= to || end <= from || end === start) continue;
      var range = document.createRange();
      range.setStart(r.nodes[k], Math.max(from, start) - start);
      range.setEnd(r.nodes[k], Math.min(to, end) - start);
      first = document.createElement("mark");
      range.surroundContents(first);
    }
    return first;
  }

  var shown = null;
  for (var k = runs.length - 1; k >= 0; --k) {
    var places = [], m;
    pattern.lastIndex = 0;
    while ((m = pattern.exec(runs[k].text)) !== null) places.push(m.index);
    for (var p = places.length - 1; p >= 0; --p) {
      shown = markPlace(runs[k], places[p], places[p] + query.length) || shown;
    }
  }
  if (shown) shown.scrollIntoView({ block: "center" });
  var box = document.getElementById("q");  // the page's search box, to search on
  if (box && box.value === "") box.value = query;
})();

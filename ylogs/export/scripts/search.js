// Searches every conversation of this website for the text in ?q=.
// A conversation's count is the number of places where the text occurs,
// overlapping places included; letters A-Z and a-z are taken as equal and
// every other character only as itself. Message text only ever becomes text
// on this page, never markup.
(function () {
  "use strict";
  var index = window.OrvexSearchIndex;
  var status = document.getElementById("status");
  var note = document.getElementById("note");
  var list = document.getElementById("results");
  var box = document.getElementById("q");
  var heading = document.getElementById("heading");
  var FIRST_SHOWN = 20;

  // The page's texts: these English ones, or those of the page's language
  // in its #captions block. "%1", "%2", ... stand for what is put in; a noun
  // after a count has three forms (one, few, many), picked by the rule.
  var words = {
    plural: "one",
    title: "%1 - Search",
    missing: "The search data of this website is missing: export the website again.",
    prompt: "Type a text to search all %1 conversations.",
    conversation: ["conversation", "conversations", "conversations"],
    hit: ["hit", "hits", "hits"],
    searched: "%1, %2 \u00b7 searched %3 of %4",
    searching: "searching\u2026 %1 of %2",
    incomplete: "Some of the search data is missing: export the website again.",
    none: "No conversation holds \u201c%1\u201d.",
    textLang: "",  // the found sentences' language, where it is not the page's
    textDir: ""
  };
  var captions = document.getElementById("captions");
  if (captions) {
    try {
      var given = JSON.parse(captions.textContent);
      for (var key in words) {
        if (Object.prototype.hasOwnProperty.call(given, key)) words[key] = given[key];
      }
    } catch (e) {
      // a broken block leaves the English texts
    }
  }

  function fill(pattern, values) {
    return pattern.replace(/%([1-9])/g, function (place, n) {
      return n <= values.length ? String(values[n - 1]) : place;
    });
  }

  function plural(n, forms) {
    var tens = n % 100, ones = n % 10, form = 2;
    if (words.plural === "one") {
      form = n === 1 ? 0 : 2;
    } else if (words.plural === "zero-or-one") {
      form = n < 2 ? 0 : 2;
    } else if (words.plural === "east-slavic") {
      if (ones === 1 && tens !== 11) {
        form = 0;
      } else if (ones >= 2 && ones <= 4 && (tens < 12 || tens > 14)) {
        form = 1;
      }
    } else if (words.plural === "arabic") {
      form = tens >= 3 && tens <= 10 ? 1 : 0;
    } else if (words.plural === "none") {
      form = 0;
    }
    return n + " " + forms[form];
  }

  function say(line) {
    status.textContent = line;
  }

  var query = new URLSearchParams(window.location.search).get("q") || "";
  box.value = query;
  if (query !== "") {
    document.title = fill(words.title, [query]);
    heading.textContent = fill(words.title, [query]);
  }
  if (!index) {
    say(words.missing);
    return;
  }
  var total = index.conversations.length;
  if (query === "") {
    say(fill(words.prompt, [total]));
    box.focus();
    return;
  }

  // One character class per letter, every other character by its code.
  var source = "";
  for (var i = 0; i < query.length; ++i) {
    var c = query.charAt(i);
    var lower = c.toLowerCase(), upper = c.toUpperCase();
    if (/^[A-Za-z]$/.test(c)) {
      source += "[" + upper + lower + "]";
    } else if (/^[0-9]$/.test(c)) {
      source += c;
    } else {
      source += "\\u" + ("000" + query.charCodeAt(i).toString(16)).slice(-4);
    }
  }
  var pattern = new RegExp(source, "g");
  var hits = [];  // {at, count, text of the first hit in its sentence}
  var searched = 0;

  function sentenceAround(text, at) {
    var end = at + query.length;
    var from = Math.max(0, at - 120), to = Math.min(text.length, end + 160);
    var stops = ".!?\r\n";
    for (var k = at - 1; k >= from; --k) {
      if (stops.indexOf(text.charAt(k)) >= 0) {
        from = k + 1;
        break;
      }
    }
    for (var j = end; j < to; ++j) {
      if (stops.indexOf(text.charAt(j)) >= 0) {
        to = j + (text.charAt(j) === "\r" || text.charAt(j) === "\n" ? 0 : 1);
        break;
      }
    }
    return {
      before: (from > 0 && at - from >= 120 ? "\u2026" : "") + text.slice(from, at).replace(/^\s+/, ""),
      hit: text.slice(at, end),
      after: text.slice(end, to).replace(/\s+$/, "") + (to < text.length && to - end >= 160 ? "\u2026" : "")
    };
  }

  function count(at, text) {
    var n = 0, first = -1, m;
    pattern.lastIndex = 0;
    while ((m = pattern.exec(text)) !== null) {
      if (n === 0) first = m.index;
      ++n;
      pattern.lastIndex = m.index + 1;  // the next place may overlap this one
    }
    if (n > 0) hits.push({ at: at, count: n, sentence: sentenceAround(text, first) });
  }

  function ranked() {
    return hits.slice().sort(function (a, b) {
      return b.count - a.count || a.at - b.at;
    });
  }

  function item(hit) {
    var c = index.conversations[hit.at];  // href, friend, identity, date
    var li = document.createElement("li");
    var a = document.createElement("a");
    a.href = c[0] + "#q=" + encodeURIComponent(query);  // its page marks the hits
    a.setAttribute("data-hits", String(hit.count));
    var head = document.createElement("span");
    head.className = "head";
    head.textContent = c[1] + " \u00b7 " + c[3] + " \u00b7 " + plural(hit.count, words.hit) +
        " \u00b7 " + c[2];
    var line = document.createElement("span");
    line.className = "line";
    if (words.textLang) line.lang = words.textLang;
    if (words.textDir) line.dir = words.textDir;
    var mark = document.createElement("mark");
    mark.textContent = hit.sentence.hit;
    line.appendChild(document.createTextNode(hit.sentence.before));
    line.appendChild(mark);
    line.appendChild(document.createTextNode(hit.sentence.after));
    a.appendChild(head);
    a.appendChild(line);
    li.appendChild(a);
    return li;
  }

  // When the first results showed and when the search ended, from the
  // page's opening.
  function stamp(name) {
    document.body.setAttribute(name, String(Math.round(performance.now())));
  }

  function show(shown) {
    if (hits.length > 0 && !document.body.hasAttribute("data-first-ms")) stamp("data-first-ms");
    var all = ranked();
    var parts = document.createDocumentFragment();
    var n = Math.min(shown, all.length);
    for (var k = 0; k < n; ++k) parts.appendChild(item(all[k]));
    list.textContent = "";
    list.appendChild(parts);
  }

  // The final list is laid out as it is scrolled to, a batch at a time: a
  // long one would hold the page still while all of it is laid out.
  var BATCH = 200;
  var final = [], listed = 0, end = null, watch = null;
  function listMore() {
    var parts = document.createDocumentFragment();
    var stop = Math.min(listed + BATCH, final.length);
    for (; listed < stop; ++listed) parts.appendChild(item(final[listed]));
    list.appendChild(parts);
    if (!watch) return;
    if (listed === final.length) {
      watch.disconnect();
      return;
    }
    // Watched anew, so that an end still in sight asks for the next batch.
    watch.unobserve(end);
    watch.observe(end);
  }

  function finish(missing) {
    if (hits.length > 0 && !document.body.hasAttribute("data-first-ms")) stamp("data-first-ms");
    final = ranked();
    list.textContent = "";
    if ("IntersectionObserver" in window) {
      end = document.createElement("div");
      list.parentNode.insertBefore(end, list.nextSibling);
      watch = new IntersectionObserver(function (seen) {
        if (seen[seen.length - 1].isIntersecting) listMore();
      }, { rootMargin: "0px 0px 1500px 0px" });
    } else {
      BATCH = final.length;
    }
    listMore();
    stamp("data-search-ms");
    var found = 0;
    for (var k = 0; k < hits.length; ++k) found += hits[k].count;
    say(fill(words.searched,
             [plural(hits.length, words.conversation), plural(found, words.hit), searched, total]));
    if (missing) {
      note.textContent = words.incomplete;
    } else if (hits.length === 0) {
      note.textContent = fill(words.none, [query]);
    }
  }

  var pieces = index.pieces;  // the first conversation of each piece
  var next = 0;
  window.OrvexSearch = {
    piece: function (number, texts) {
      if (number !== next) return;
      var first = pieces[number];
      for (var k = 0; k < texts.length; ++k) count(first + k, texts[k]);
      searched = first + texts.length;
      ++next;
      if (next < pieces.length) {
        show(FIRST_SHOWN);
        say(fill(words.searching, [searched, total]));
      }
    }
  };

  // Each piece is a script of its own; they run in order as they arrive.
  var remaining = pieces.length;
  function arrived() {
    if (remaining > 0 && --remaining === 0) finish(searched < total);
  }
  function failed() {
    if (remaining > 0) finish(true);
    remaining = 0;
  }
  if (pieces.length === 0) finish(false);
  for (var p = 0; p < pieces.length; ++p) {
    var s = document.createElement("script");
    s.src = "search/text-" + (p + 1) + ".js";
    s.async = false;
    s.onload = arrived;
    s.onerror = failed;
    document.body.appendChild(s);
  }
})();

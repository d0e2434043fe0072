// The view's page script, run in a world of the program's own (the page's
// own scripts stay off) with the page's charset and, for a long view, each
// conversation's size in bytes. It keeps orvexView.find(), which marks a word
// in the page, and for a long view the means to keep the page light: only the
// conversations near the screen are in it; the others stand in as two
// blocks, one above and one below them, of their measured (or, until
// measured, estimated) heights, so that the scroll bar, End, Page Down and a
// drag behave as on the whole page. Such a page is the file header, its
// first conversations each after a comment of its own, a marker where the
// others go and the file footer; the program asks wanted()
// whenever the page scrolls or changes size and hands the conversations it
// names to show(), as the page file holds them (base64). True: the page has
// the marker.
(function (charset, sizes, shown) {
  const nodes = new Map(); // conversation -> [first node, last node]
  function nodesOf(i) {
    const [first, last] = nodes.get(i);
    const list = [];
    for (let n = first; ; n = n.nextSibling) {
      list.push(n);
      if (n === last) return list;
    }
  }

  let mark = null; // the find's match: a range, and the boxes drawn over it
  let markBoxes = [];
  function drawMark() {
    for (const box of markBoxes) box.remove();
    markBoxes = [];
    if (!mark || !mark.startContainer.isConnected) return;
    for (const r of mark.getClientRects()) {
      const box = document.createElement('div');
      box.setAttribute('aria-hidden', 'true');
      box.style.cssText = 'position:absolute;pointer-events:none;z-index:2147483647;' +
        'background:rgba(255,196,0,.45);outline:2px solid #e08a00;border-radius:2px;' +
        'left:' + (r.left + window.scrollX - 1) + 'px;top:' + (r.top + window.scrollY - 1) +
        'px;width:' + (r.width + 2) + 'px;height:' + (r.height + 2) + 'px;';
      document.documentElement.appendChild(box);
      markBoxes.push(box);
    }
  }

  // The letters the find folds: a to z, as the list's search does.
  function upper(s) {
    return s.replace(/[a-z]+/g, (m) => m.toUpperCase());
  }
  // The text of `roots` as one string, with where each text node starts.
  function textOf(roots) {
    const parts = [];
    const starts = [];
    let length = 0;
    for (const root of roots) {
      const walker = document.createTreeWalker(root, NodeFilter.SHOW_TEXT, {
        acceptNode: (n) => /^(SCRIPT|STYLE|NOSCRIPT|TEMPLATE|TITLE)$/.test(n.parentNode.nodeName)
          ? NodeFilter.FILTER_REJECT : NodeFilter.FILTER_ACCEPT,
      });
      if (root.nodeType === Node.TEXT_NODE) {
        starts.push([length, root]);
        parts.push(root.data);
        length += root.data.length;
        continue;
      }
      for (let n = walker.nextNode(); n; n = walker.nextNode()) {
        starts.push([length, n]);
        parts.push(n.data);
        length += n.data.length;
      }
    }
    return { text: parts.join(''), starts };
  }
  function pointAt(starts, at, ending) {
    let lo = 0;
    let hi = starts.length - 1;
    while (lo < hi) {
      const mid = (lo + hi + 1) >> 1;
      if (starts[mid][0] < at || (!ending && starts[mid][0] === at)) lo = mid;
      else hi = mid - 1;
    }
    return [starts[lo][1], at - starts[lo][0]];
  }

  window.orvexView = {
    // Marks the `k`th place (-1: the last) where `text` occurs in the
    // conversation `i` (-1: the whole page) and scrolls it into the middle of
    // the screen; the number of places.
    find(text, i, k) {
      const roots = i < 0 ? [document.body] : nodes.has(i) ? nodesOf(i) : [];
      const { text: all, starts } = textOf(roots);
      const hay = upper(all);
      const needle = upper(text);
      const places = [];
      for (let at = needle ? hay.indexOf(needle) : -1; at >= 0; at = hay.indexOf(needle, at + 1))
        places.push(at);
      if (k < 0) k = places.length - 1;
      if (k < 0 || k >= places.length) return places.length;
      const [startNode, startOffset] = pointAt(starts, places[k], false);
      const [endNode, endOffset] = pointAt(starts, places[k] + needle.length, true);
      mark = document.createRange();
      mark.setStart(startNode, startOffset);
      mark.setEnd(endNode, endOffset);
      const selection = window.getSelection();
      selection.removeAllRanges();
      selection.addRange(mark.cloneRange());
      const rect = mark.getBoundingClientRect();
      window.scrollBy(0, rect.top - window.innerHeight / 2);
      drawMark();
      return places.length;
    },
    // Takes the mark away (the find bar closed).
    unmark() {
      mark = null;
      drawMark();
      return true;
    },
  };

  const iterator = document.createNodeIterator(document, NodeFilter.SHOW_COMMENT);
  let marker = null;
  const starts = []; // where each conversation of the first page starts
  for (let n = iterator.nextNode(); n; n = iterator.nextNode()) {
    if (n.data === 'orvex-pieces') marker = n;
    else if (n.data === 'orvex-c') starts.push(n);
  }
  if (!marker) return false;
  const parent = marker.parentNode;
  const firsts = starts.filter((n) => n.parentNode === parent);
  // A message's open tag or comment took a conversation in: not laid out
  // as the page needs.
  if (firsts.length !== (shown || 0)) return false;
  const decoder = new TextDecoder(charset, { ignoreBOM: true });
  const count = sizes.length;
  const heights = new Float64Array(count);
  const measured = new Uint8Array(count);
  let measuredHeight = 0;
  let measuredBytes = 0;
  let begin = 0;
  let end = 0; // the conversations in the page: [begin, end)
  // Screens kept in the page above and below the one shown; a window of at
  // most this many conversations (a jump into tiny ones stays light).
  const kScreens = 1;
  const kMost = 400;

  function block(before) {
    const table = /^(TABLE|TBODY|THEAD|TFOOT)$/.test(parent.nodeName);
    const e = document.createElement(table ? 'tr' : 'div');
    e.setAttribute('aria-hidden', 'true');
    e.style.cssText = (table ? '' : 'display:block;') +
      'margin:0;padding:0;border:0;height:0;overflow-anchor:none;';
    parent.insertBefore(e, before);
    return e;
  }
  const above = block(firsts.length ? firsts[0] : marker);
  const below = block(marker);

  function height(i) {
    if (measured[i]) return heights[i];
    // Until measured: as tall as the measured ones are per byte.
    return sizes[i] * (measuredBytes > 0 ? measuredHeight / measuredBytes : 0.05);
  }
  function sum(from, to) {
    let h = 0;
    for (let i = from; i < to; ++i) h += height(i);
    return h;
  }
  // Where the conversations start, in the page's coordinates.
  function origin() {
    return above.getBoundingClientRect().top + window.scrollY;
  }
  // The conversations [first, last) that cover [top, bottom) of the page.
  function covering(top, bottom) {
    let i = 0;
    let y = 0;
    while (i < count - 1 && y + height(i) <= top) y += height(i++);
    const first = i;
    while (i < count && (y < bottom || i === first)) y += height(i++);
    return [first, Math.min(i, first + kMost)];
  }
  function rectOf(i) {
    const range = document.createRange();
    const [first, last] = nodes.get(i);
    range.setStartBefore(first);
    range.setEndAfter(last);
    return range.getClientRects().length ? range.getBoundingClientRect() : null;
  }
  // The conversations in the page are measured from below: each is as tall
  // as from its top to the top of what follows it.
  function measure() {
    let next = below.getBoundingClientRect().top;
    for (let i = end - 1; i >= begin; --i) {
      const rect = rectOf(i);
      const h = rect ? Math.max(0, next - rect.top) : 0;
      if (rect) next = rect.top;
      if (measured[i]) {
        measuredHeight += h - heights[i];
      } else {
        measured[i] = 1;
        measuredHeight += h;
        measuredBytes += sizes[i];
      }
      heights[i] = h;
    }
  }
  function place() {
    above.style.height = sum(0, begin) + 'px';
    below.style.height = sum(end, count) + 'px';
  }
  function atBottom() {
    const page = document.scrollingElement || document.documentElement;
    return count > 0 && window.scrollY + window.innerHeight >= page.scrollHeight - 2;
  }
  // What show() must be given for [first, last): the range, then the
  // conversations not in the page. Null when the page has them and no more
  // than it needs.
  function ask(first, last) {
    const missing = [];
    for (let i = first; i < last; ++i) if (!nodes.has(i)) missing.push(i);
    const extra = end - begin - (last - first);
    if (!missing.length && first >= begin && last <= end && extra <= 2 * (last - first) + 8)
      return null;
    return [first, last].concat(missing);
  }

  // The first page's conversations, each from where its comment was.
  firsts.forEach((comment, i) => {
    firsts[i] = document.createTextNode('');
    comment.replaceWith(firsts[i]);
  });
  firsts.forEach((first, i) =>
    nodes.set(i, [first, (i + 1 < firsts.length ? firsts[i + 1] : below).previousSibling]));
  // A first page scrolled to its bottom before the script came (End pressed
  // as it showed) goes to the bottom of the whole.
  const endPressed = window.scrollY > 0 && atBottom();
  end = firsts.length;
  measure();
  place();
  if (endPressed) window.scrollTo(window.scrollX, 1e9);

  Object.assign(window.orvexView, {
    // The conversations the screen needs, or null (see ask()).
    wanted() {
      if (atBottom()) {
        const total = sum(0, count);
        return ask(covering(total - (1 + kScreens) * window.innerHeight, total)[0], count);
      }
      const top = window.scrollY - origin();
      return ask(...covering(top - kScreens * window.innerHeight,
        top + (1 + kScreens) * window.innerHeight));
    },
    // What show() needs to put conversation `i` on screen.
    around(i) {
      const top = sum(0, i);
      return ask(...covering(top - kScreens * window.innerHeight,
        top + (1 + kScreens) * window.innerHeight)) || [begin, end];
    },
    // Makes [first, last) the conversations in the page; `given` holds those
    // it had not, as the page file's bytes in base64.
    show(first, last, given) {
      const bottom = atBottom();
      for (const i of [...nodes.keys()]) {
        if (i >= first && i < last) continue;
        for (const n of nodesOf(i)) n.remove();
        nodes.delete(i);
      }
      let before = below;
      for (let i = last - 1; i >= first; --i) {
        if (nodes.has(i)) {
          before = nodes.get(i)[0];
          continue;
        }
        const s = atob(given[i] || '');
        const bytes = new Uint8Array(s.length);
        for (let k = 0; k < s.length; ++k) bytes[k] = s.charCodeAt(k);
        const range = document.createRange();
        range.setStartBefore(before);
        const fragment = range.createContextualFragment(decoder.decode(bytes));
        if (!fragment.firstChild) fragment.appendChild(document.createTextNode(''));
        const span = [fragment.firstChild, fragment.lastChild];
        parent.insertBefore(fragment, before);
        nodes.set(i, span);
        before = span[0];
      }
      begin = first;
      end = last;
      place();
      measure();
      place();
      if (bottom) window.scrollTo(window.scrollX, 1e9);
      drawMark();
      return true;
    },
  });
  return true;
})

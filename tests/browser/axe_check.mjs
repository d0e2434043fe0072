// Checks a website the program wrote, in headless Chromium from file://: axe-core
// finds no serious or critical fault on any kind of page, light or in the
// browser's dark mode, at 360 px no page is wider than the screen, and on a
// day page the heading, navigations and footer stay the body's own.
//
//   node axe_check.mjs SITE
//
// The pages: index.html, search.html with a search that finds something, every
// friend's page and each friend's first day; axe reads every kind of
// page but, of the friends' pages, only the smallest (it takes long on a friend
// with a thousand days, whose page is like any other). Exit status 0 when all
// is well, 1 with the faults listed.
import fs from "node:fs";
import os from "node:os";
import path from "node:path";
import { createRequire } from "node:module";
import puppeteer from "puppeteer-core";

const require = createRequire(import.meta.url);
const axeSource = fs.readFileSync(require.resolve("axe-core/axe.min.js"), "utf8");

const args = process.argv.slice(2);
const site = path.resolve(args[0] || "");
if (!args[0] || !fs.existsSync(path.join(site, "index.html"))) {
  console.error("usage: node axe_check.mjs SITE (SITE holds index.html)");
  process.exit(2);
}

// Pages from the site's root, with "/" between folders.
function pagesToCheck() {
  const pages = ["index.html", "search.html?q=a"];
  for (const identity of fs.readdirSync(site, { withFileTypes: true })) {
    if (!identity.isDirectory() || identity.name === "Smileys" || identity.name === "search") {
      continue;
    }
    for (const friend of fs.readdirSync(path.join(site, identity.name), { withFileTypes: true })) {
      if (!friend.isDirectory()) continue;
      const folder = `${identity.name}/${friend.name}`;
      const days = fs
        .readdirSync(path.join(site, folder))
        .filter((f) => f.endsWith(".html") && f !== "index.html")
        .sort();
      pages.push(`${folder}/index.html`);
      if (days.length) pages.push(`${folder}/${days[0]}`);
    }
  }
  return pages;
}

function urlOf(page) {
  const [file, query] = page.split("?");
  const url = new URL("file://");
  url.pathname = path.join(site, file);
  if (query) url.search = query;
  return url.href;
}

const profile = fs.mkdtempSync(path.join(os.tmpdir(), "orvex-axe-"));
const browser = await puppeteer.launch({
  executablePath: process.env.ORVEX_CHROMIUM || "/usr/bin/chromium",
  headless: true,
  userDataDir: profile,
  args: [
    "--no-sandbox",
    "--disable-gpu",
    "--no-first-run",
    "--disable-background-networking",
    "--disable-component-update",
    "--disable-sync",
  ],
});
const faults = [];
try {
  const tab = await browser.newPage();
  await tab.setBypassCSP(true); // axe comes in as an inline script
  const open = async (page, width, scheme) => {
    await tab.setViewport({ width, height: 800 });
    await tab.emulateMediaType("screen");
    await tab.emulateMediaFeatures([{ name: "prefers-color-scheme", value: scheme }]);
    await tab.goto(urlOf(page), { waitUntil: "load" });
    if (page.startsWith("search.html")) {
      await tab
        .waitForFunction(() => /searched/.test(document.getElementById("status")?.textContent), {
          timeout: 10000,
        })
        .catch(() => faults.push(`${page}: the search did not end`));
    }
  };
  const pages = pagesToCheck();
  const bytes = (p) => fs.statSync(path.join(site, p)).size;
  const friends = pages.filter((p) => p.endsWith("/index.html"));
  const smallest = friends.reduce((a, b) => (bytes(b) < bytes(a) ? b : a), friends[0]);
  for (const page of pages) {
    for (const scheme of friends.includes(page) && page !== smallest ? [] : ["light", "dark"]) {
      await open(page, 1024, scheme);
      await tab.evaluate(axeSource);
      const result = await tab.evaluate(() =>
        window.axe.run(document, { resultTypes: ["violations"] }),
      );
      for (const v of result.violations) {
        if (v.impact !== "serious" && v.impact !== "critical") continue;
        const where = v.nodes
          .slice(0, 3)
          .map((n) => `${n.target.join(" ")} ${n.any.map((c) => c.message).join("; ")}`);
        faults.push(`${page} (${scheme}): ${v.id} [${v.impact}] ${v.help}\n    ${where.join("\n    ")}`);
      }
    }
    if (!page.endsWith("index.html") && page.includes("/")) {
      // A day page: whatever its messages hold, the page's own parts stay
      // children of its body and no formatting of a message reaches them.
      const misplaced = await tab.evaluate(() => {
        const faults = [];
        const navs = document.querySelectorAll("nav");
        if (navs.length !== 2) faults.push(`${navs.length} navigations`);
        for (const part of [document.querySelector(".day-head"), ...navs,
                            document.querySelector("main"), document.querySelector(".foot")]) {
          if (!part) faults.push("a part of the page is missing");
          else if (part.parentElement !== document.body) {
            faults.push(`${part.tagName.toLowerCase()}.${part.className} is inside ${part.parentElement.tagName.toLowerCase()}`);
          }
        }
        for (const e of document.querySelectorAll("b, i, u, s, strike, em, strong, sub, sup, font")) {
          if (!e.closest("main")) faults.push(`a message's ${e.tagName.toLowerCase()} reaches past it`);
        }
        return faults;
      });
      for (const m of misplaced) faults.push(`${page}: ${m}`);
    }
    await open(page, 360, "light");
    const width = await tab.evaluate(() => document.documentElement.scrollWidth);
    if (width > 360) faults.push(`${page}: ${width} px wide at 360 px`);
  }
} finally {
  await browser.close();
  fs.rmSync(profile, { recursive: true, force: true });
}
for (const f of faults) console.log(f);
process.exit(faults.length ? 1 : 0);

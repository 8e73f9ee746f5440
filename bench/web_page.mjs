// The web page's figures, one "name value" a line for bench/table.sh:
// - the sizes of the single file and of the static site, plain and
//   gzipped (bytes);
// - the time from navigation to the splash's first painted frame in
//   headless Chromium (ms, median of five fresh browsers), for the static
//   site served over HTTP and for the single file opened from file://;
// - at level 9, reached by striking computers as a player would: the
//   processor time of the whole browser over SECONDS of play beside the
//   same browser showing an empty page that runs the board's always-on
//   timers the plain way (two setInterval of 1 ms, two of 1000 ms), and
//   the page's alarm lateness (the tick error as the page sees it: from
//   the moment the core asked for to the moment the timeout ran, ms).
// Usage: node bench/web_page.mjs <the web build's folder> [SECONDS]
// (after `make package-web`; playwright-core is the web tests', installed
// in the build folder).
import { readFileSync, readdirSync } from 'node:fs';
import { dirname, join, resolve } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { gzipSync } from 'node:zlib';

const build = resolve(process.argv[2]);
const seconds = Number(process.argv[3] || 20);
const artImages = join(dirname(fileURLToPath(import.meta.url)), '../art/images');
const tests = join(build, 'tests/web');
const { withChromium } = await import(join(tests, 'chromium.mjs'));
const { withStaticServer } = await import(join(tests, 'static_server.mjs'));
const { installPlaceReader, strikeShownComputer } = await import(join(tests, 'board_places.mjs'));
const singleFile = join(build, 'package/klonkatron.html');
const siteDir = join(build, 'package/site');
const screen = { width: 900, height: 700 };

const sizes = (files) => files.reduce(([raw, gz], file) => {
  const bytes = readFileSync(file);
  return [raw + bytes.length, gz + gzipSync(bytes, { level: 9 }).length];
}, [0, 0]);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const percentile = (values, p) => [...values].sort((a, b) => a - b)[Math.min(values.length - 1, Math.floor(values.length * p))];

// The processor time (user and system, seconds) of every process started
// from this one: the browser, its renderers and its helpers.
function browserProcessorTime() {
  const stats = readdirSync('/proc').filter((name) => /^\d+$/.test(name)).flatMap((pid) => {
    try {
      // The fields after the command's closing parenthesis: ppid is the 2nd,
      // utime and stime the 12th and 13th.
      const fields = readFileSync(`/proc/${pid}/stat`, 'utf8').replace(/^.*\) /s, '').split(' ');
      return [{ pid: Number(pid), parent: Number(fields[1]), ticks: Number(fields[11]) + Number(fields[12]) }];
    } catch {
      return [];  // gone while being listed
    }
  });
  const ours = new Set([process.pid]);
  let total = 0;
  for (let grew = true; grew;) {
    grew = false;
    for (const stat of stats) {
      if (!ours.has(stat.pid) && ours.has(stat.parent)) {
        ours.add(stat.pid);
        total += stat.ticks;
        grew = true;
      }
    }
  }
  return total / 100;  // Linux counts clock ticks of 1/100 s
}

async function processorTimeOver(page, ms) {
  const before = browserProcessorTime();
  await page.waitForTimeout(ms);
  return browserProcessorTime() - before;
}

// Navigation to the first frame painted after the splash's canvas got its
// pixels, on the page's own clock (its origin is the navigation's start).
async function firstFrame(url) {
  return withChromium(screen, async (context) => {
    const page = context.pages()[0] ?? (await context.newPage());
    await page.goto(url);
    return page.evaluate(() => new Promise((resolve) => {
      const look = () => {
        const canvas = document.querySelector('.kk-surface');
        if (canvas && canvas.width > 0 && canvas.textContent.length > 0) {
          requestAnimationFrame((frame) => resolve(frame));
        } else {
          requestAnimationFrame(look);
        }
      };
      look();
    }));
  });
}

async function medianFirstFrame(url) {
  const frames = [];
  for (let run = 0; run < 5; run++) frames.push(await firstFrame(url));
  return median(frames);
}

// The board's level, from its canvas's text: the line above the
// "Level  :" caption is the level label's.
async function boardLevel(board) {
  const lines = (await board.evaluate((canvas) => canvas.textContent)).split('\n');
  return Number(lines[lines.indexOf('Level  :') - 1]);
}

// Ok on the splash, Start on the board, then every computer that shows is
// struck with the mouse, one at a time and each after the level check has
// seen the score before it, until the board says level 9.
async function playToLevelNine(page) {
  await page.getByRole('button', { name: 'Ok!' }).click();
  const board = page.locator('.kk-window canvas.kk-surface');
  await board.waitFor();
  await installPlaceReader(page, artImages);
  await page.getByRole('button', { name: 'Start New Game' }).click();
  while ((await boardLevel(board)) < 9) {
    await strikeShownComputer(page, board);
    await page.waitForTimeout(20);
  }
}

// The game at level 9: its browser's processor time and its alarm's lateness.
async function levelNine(url) {
  return withChromium(screen, async (context) => {
    const page = context.pages()[0] ?? (await context.newPage());
    await page.goto(url);
    await playToLevelNine(page);
    await page.evaluate(() => {
      window.kkLateness = [];
      const ring = _klonkatron_alarm;
      _klonkatron_alarm = () => {
        window.kkLateness.push(performance.now() - KKBoxes.alarmAt);
        ring();
      };
    });
    const processor = await processorTimeOver(page, seconds * 1000);
    return { processor, lateness: await page.evaluate(() => window.kkLateness) };
  });
}

// The yardstick: the same browser with an empty page running the board's
// always-on timers as a plain port would.
async function emptyPage() {
  return withChromium(screen, async (context) => {
    const page = context.pages()[0] ?? (await context.newPage());
    await page.setContent(`<!doctype html><title>Yardstick</title><script>
      let ticks = 0;
      for (const interval of [1, 1, 1000, 1000]) setInterval(() => { ticks++; }, interval);
    </script>`);
    await page.waitForTimeout(1000);  // running as it will go on running
    return processorTimeOver(page, seconds * 1000);
  });
}

const single = sizes([singleFile]);
const site = sizes(readdirSync(siteDir).map((name) => join(siteDir, name)));
const { siteFrame, game } = await withStaticServer(siteDir, async (base) => ({
  siteFrame: await medianFirstFrame(`${base}/klonkatron.html`),
  game: await levelNine(`${base}/klonkatron.html`),
}));
const singleFrame = await medianFirstFrame(pathToFileURL(singleFile).href);
const yardstick = await emptyPage();

const figures = {
  single_bytes: single[0],
  single_gzipped: single[1],
  site_bytes: site[0],
  site_gzipped: site[1],
  site_first_frame_ms: siteFrame.toFixed(1),
  single_first_frame_ms: singleFrame.toFixed(1),
  play_seconds: seconds,
  processor_s: game.processor.toFixed(2),
  empty_page_processor_s: yardstick.toFixed(2),
  alarms: game.lateness.length,
  lateness_median_ms: median(game.lateness).toFixed(2),
  lateness_p95_ms: percentile(game.lateness, 0.95).toFixed(2),
};
for (const [name, value] of Object.entries(figures)) console.log(`${name} ${value}`);

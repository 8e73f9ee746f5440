// The web page's figures, one "name value" a line for bench/table.sh: the
// sizes of the single file and of the static site (uncompressed and
// gzipped, bytes), the time from navigation to the splash's first painted
// frame in headless Chromium (ms, median of five), and the page's alarm
// lateness (the tick error as the page sees it: from the moment the core
// asked for to the moment the timeout ran, ms) while the board plays.
// Usage: node bench/web_page.mjs <the web build's folder> [seconds of play]
// (after `make package-web`; playwright-core is the web tests', installed
// in the build folder).
import { readFileSync, readdirSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { gzipSync } from 'node:zlib';

const build = resolve(process.argv[2]);
const seconds = Number(process.argv[3] || 20);
const tests = join(build, 'tests/web');
const { withChromium } = await import(join(tests, 'chromium.mjs'));
const { withStaticServer } = await import(join(tests, 'static_server.mjs'));

const sizes = (files) => files.reduce(([raw, gz], file) => {
  const bytes = readFileSync(file);
  return [raw + bytes.length, gz + gzipSync(bytes, { level: 9 }).length];
}, [0, 0]);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const percentile = (values, p) => [...values].sort((a, b) => a - b)[Math.min(values.length - 1, Math.floor(values.length * p))];

const single = sizes([join(build, 'package/klonkatron.html')]);
const siteDir = join(build, 'package/site');
const site = sizes(readdirSync(siteDir).map((name) => join(siteDir, name)));

const { firstFrames, lateness } = await withStaticServer(build, async (base) => {
  const firstFrames = [];
  for (let run = 0; run < 5; run++) {
    await withChromium({ width: 900, height: 700 }, async (context) => {
      const page = context.pages()[0] ?? (await context.newPage());
      await page.goto(`${base}/klonkatron.html`);
      // The first frame painted after the splash's canvas got its pixels.
      firstFrames.push(await page.evaluate(() => new Promise((resolve) => {
        const look = () => {
          const canvas = document.querySelector('.kk-surface');
          if (canvas && canvas.width > 0 && canvas.textContent.length > 0) {
            requestAnimationFrame((frame) => resolve(frame));
          } else {
            requestAnimationFrame(look);
          }
        };
        look();
      })));
    });
  }
  const lateness = await withChromium({ width: 900, height: 700 }, async (context) => {
    const page = context.pages()[0] ?? (await context.newPage());
    await page.goto(`${base}/klonkatron.html`);
    await page.getByRole('button', { name: 'Ok!' }).click();
    await page.evaluate(() => {
      window.kkLateness = [];
      const ring = _klonkatron_alarm;
      _klonkatron_alarm = () => {
        window.kkLateness.push(performance.now() - KKBoxes.alarmAt);
        ring();
      };
    });
    await page.getByRole('button', { name: 'Start New Game' }).click();
    await page.waitForTimeout(seconds * 1000);
    return page.evaluate(() => window.kkLateness);
  });
  return { firstFrames, lateness };
});

const figures = {
  single_bytes: single[0],
  single_gzipped: single[1],
  site_bytes: site[0],
  site_gzipped: site[1],
  first_frame_ms: median(firstFrames).toFixed(1),
  play_seconds: seconds,
  alarms: lateness.length,
  lateness_median_ms: median(lateness).toFixed(2),
  lateness_p95_ms: percentile(lateness, 0.95).toFixed(2),
};
for (const [name, value] of Object.entries(figures)) console.log(`${name} ${value}`);

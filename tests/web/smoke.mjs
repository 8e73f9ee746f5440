// Proves the browser set-up of the web tests: Debian's Chromium, driven by
// playwright-core, loads a local page from file://, runs its script, and
// gives a screenshot with the page's pixels at device pixel ratios 1 and 2.
// Usage: node smoke.mjs <folder for the screenshots>
import { mkdirSync, writeFileSync } from 'node:fs';
import { dirname, join } from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { watchErrors, withChromium } from './chromium.mjs';

const here = dirname(fileURLToPath(import.meta.url));
const shots = process.argv[2] || join(here, 'screenshots');
mkdirSync(shots, { recursive: true });

const viewport = { width: 200, height: 100 };
// CSS pixel points in the page and the colour the page draws there.
const expected = [
  { x: 15, y: 15, rgb: [255, 0, 0] },
  { x: 45, y: 15, rgb: [0, 255, 0] },
  { x: 75, y: 15, rgb: [0, 0, 255] },
  { x: 150, y: 50, rgb: [255, 255, 255] },
];

// The screenshot's size and the colours at device pixels, read back by
// the browser's own PNG decoder.
async function readScreenshot(context, png, points) {
  const page = await context.newPage();
  try {
    return await page.evaluate(
      async ({ data, points }) => {
        const image = new Image();
        image.src = `data:image/png;base64,${data}`;
        await image.decode();
        const canvas = document.createElement('canvas');
        canvas.width = image.width;
        canvas.height = image.height;
        const context = canvas.getContext('2d');
        context.drawImage(image, 0, 0);
        const colours = points.map(({ x, y }) => Array.from(context.getImageData(x, y, 1, 1).data.slice(0, 3)));
        return { width: image.width, height: image.height, colours };
      },
      { data: png.toString('base64'), points },
    );
  } finally {
    await page.close();
  }
}

const failures = [];
for (const ratio of [1, 2]) {
  await withChromium({ ...viewport, deviceScaleFactor: ratio }, async (context) => {
    const page = context.pages()[0] ?? (await context.newPage());
    const errors = watchErrors(page);
    await page.goto(pathToFileURL(join(here, 'smoke.html')).href);
    await page.waitForFunction(() => document.title === 'drawn');
    const png = await page.screenshot();
    writeFileSync(join(shots, `smoke-${ratio}x.png`), png);

    const points = expected.map(({ x, y }) => ({ x: x * ratio, y: y * ratio }));
    const seen = await readScreenshot(context, png, points);
    const size = `${seen.width}x${seen.height}`;
    console.log(`ratio ${ratio}: screenshot ${size}, colours ${JSON.stringify(seen.colours)}`);
    if (size !== `${viewport.width * ratio}x${viewport.height * ratio}`) {
      failures.push(`ratio ${ratio}: screenshot is ${size}`);
    }
    expected.forEach(({ x, y, rgb }, i) => {
      if (seen.colours[i].join() !== rgb.join()) {
        failures.push(`ratio ${ratio}: at ${x},${y} ${seen.colours[i]} instead of ${rgb}`);
      }
    });
    failures.push(...errors.map((error) => `ratio ${ratio}: ${error}`));
  });
}

if (failures.length > 0) {
  console.error(failures.join('\n'));
  process.exit(1);
}
console.log(`Chromium (under Node ${process.versions.node}) loaded the smoke page and showed it at 1x and 2x`);

// The game's page played in headless Chromium, as a person would: the
// splash and its moving marquee, a key that ends the program and the page's
// way to play again, "&Ok!" and the board, Start, a computer struck for 100
// points, the hammer pointer, and no error in the console; at device pixel
// ratios 1 and 2. Every wait polls for what the page shows, with deadlines
// far beyond what a loaded machine needs.
// Usage: node game_page.mjs <build folder with klonkatron.html> <art/images> <screenshots>
import { mkdirSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { installPlaceReader, placeSide, places } from './board_places.mjs';
import { watchErrors, withChromium } from './chromium.mjs';
import { withStaticServer } from './static_server.mjs';

const [site, artImages, shots] = process.argv.slice(2).map((p) => resolve(p));
mkdirSync(shots, { recursive: true });
const deadline = { timeout: 30000 };

// The client canvas of the window whose client area has that size.
function surface(page, width, height) {
  return page.locator(`.kk-window canvas.kk-surface[style*="width: ${width}px"][style*="height: ${height}px"]`);
}

async function check(name, ratio, play) {
  try {
    await play();
  } catch (error) {
    throw new Error(`ratio ${ratio}, ${name}: ${error.message}`);
  }
}

async function playAt(base, ratio) {
  await withChromium({ width: 900, height: 700, deviceScaleFactor: ratio }, async (context) => {
    const page = context.pages()[0] ?? (await context.newPage());
    const errors = watchErrors(page);
    await page.goto(`${base}/klonkatron.html`);

    const splash = surface(page, 492, 279);
    await check('the splash shows, its marquee moves', ratio, async () => {
      await splash.waitFor(deadline);
      if ((await splash.evaluate((c) => c.width)) !== 492 * ratio) throw new Error('splash canvas not at the device ratio');
      const first = await splash.screenshot();
      writeFileSync(join(shots, `splash-${ratio}x.png`), first);
      await page.waitForFunction(async (before) => {
        const now = document.querySelector('.kk-surface').toDataURL();
        return now !== before;
      }, await splash.evaluate((c) => c.toDataURL()), { ...deadline, polling: 100 });
    });

    await check('a key ends the program, and it plays again', ratio, async () => {
      await page.keyboard.press('q');
      await page.getByText('Klonkatron has ended').waitFor(deadline);
      if ((await page.locator('.kk-window').count()) !== 0) throw new Error('windows left after the end');
      writeFileSync(join(shots, `ended-${ratio}x.png`), await page.screenshot());
      await page.getByRole('button', { name: 'Play again' }).click();
      await splash.waitFor(deadline);
    });

    const board = surface(page, 328, 280);
    await check('"Ok!" opens the board', ratio, async () => {
      await page.getByRole('button', { name: 'Ok!' }).click();
      await board.waitFor(deadline);
      if ((await splash.count()) !== 0) throw new Error('the splash stays');
      await page.waitForFunction(() => document.querySelector('.kk-surface').textContent.includes('Welcome!'), null, deadline);
      writeFileSync(join(shots, `board-${ratio}x.png`), await page.screenshot());
    });

    await check('the pointer over the board is the hammer', ratio, async () => {
      const cursor = await board.evaluate((c) => getComputedStyle(c).cursor);
      if (!/url\("data:image\/png/.test(cursor)) throw new Error(`cursor is ${cursor.slice(0, 60)}`);
    });

    await check('Start, and a computer struck scores 100', ratio, async () => {
      await installPlaceReader(page, artImages);
      await page.getByRole('button', { name: 'Start New Game' }).click();
      // The place is read in the page at every frame, and struck at once.
      const place = await (await page.waitForFunction(() => {
        const shown = window.kkPlaces(document.querySelector('.kk-surface'));
        return Object.keys(shown).find((p) => shown[p] === 'ibm' || shown[p] === 'ibm2');
      }, null, { ...deadline, polling: 'raf' })).jsonValue();
      const box = await board.boundingBox();
      const [left, top] = places[place];
      await page.mouse.click(box.x + left + placeSide / 2, box.y + top + placeSide / 2);
      await page.waitForFunction(() => document.querySelector('.kk-surface').textContent.split('\n').includes('100'), null, deadline);
      writeFileSync(join(shots, `struck-${ratio}x.png`), await page.screenshot());
    });

    if (errors.length > 0) throw new Error(`ratio ${ratio}: ${errors.join('\n')}`);
  });
}

await withStaticServer(site, async (base) => {
  for (const ratio of [1, 2]) await playAt(base, ratio);
});
console.log('The page played: splash, end and play again, board, a computer struck, at 1x and 2x');

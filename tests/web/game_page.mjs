// The game's page played in headless Chromium, as a person would: the
// splash and its moving marquee, a key that ends the program and the page's
// way to play again, "&Ok!" and the board, a tooltip, Start and the first
// computer's times, a computer struck for 100 points, the hammer pointer,
// and no error in the console; at device pixel
// ratios 1 and 2 with a mouse, and by touch on a phone's screen, smaller
// than the splash, where the page scales its desktop down. Every wait polls for what the page shows, with deadlines
// far beyond what a loaded machine needs.
// At whole ratios the board's pictures are the desktop program's, pixel
// for pixel (board_reference.mjs).
// Usage: node game_page.mjs <page> <art/images> <screenshots> [screen...]
// The page is a folder, served by a static server, with klonkatron.html,
// or a self-contained .html file, opened from file:// with no server and
// the network off; the
// screens are 1x, 2x and phone (all unless named).
import { mkdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { installPlaceReader, strikeAComputer } from './board_places.mjs';
import { boardDifferences } from './board_reference.mjs';
import { watchErrors, withChromium } from './chromium.mjs';
import { withGamePage } from './static_server.mjs';

const [site, artImages, shots] = process.argv.slice(2, 5).map((p) => resolve(p));
const screenNames = process.argv.slice(5);
mkdirSync(shots, { recursive: true });
const deadline = { timeout: 30000 };

// The client canvas of the window whose client area has that size.
function surface(page, width, height) {
  return page.locator(`.kk-window canvas.kk-surface[style*="width: ${width}px"][style*="height: ${height}px"]`);
}

async function check(name, screen, play) {
  try {
    await play();
  } catch (error) {
    throw new Error(`${screen.name}, ${name}: ${error.message}`);
  }
}

const screens = [
  { name: '1x', width: 900, height: 700, deviceScaleFactor: 1 },
  { name: '2x', width: 900, height: 700, deviceScaleFactor: 2 },
  { name: 'phone', width: 390, height: 844, deviceScaleFactor: 3, hasTouch: true },
];

async function playOn(pageUrl, screen, { offline }) {
  const shot = (what) => join(shots, `${what}-${screen.name}.png`);
  // A click, or on a touch screen a tap.
  const press = (locator) => (screen.hasTouch ? locator.tap() : locator.click());
  await withChromium(screen, async (context) => {
    const page = context.pages()[0] ?? (await context.newPage());
    const errors = watchErrors(page);
    if (offline) await context.setOffline(true);
    await page.goto(pageUrl);

    const splash = surface(page, 492, 279);
    await check('the splash shows, its marquee moves', screen, async () => {
      await splash.waitFor(deadline);
      const scale = (await splash.boundingBox()).width / 492;
      const expected = Math.round(492 * screen.deviceScaleFactor * scale);
      if ((await splash.evaluate((c) => c.width)) !== expected) throw new Error('splash canvas not at the device ratio');
      if (screen.hasTouch && !(scale < 1 && (await splash.boundingBox()).width <= screen.width)) {
        throw new Error(`the splash is not scaled to the phone's screen: ${scale}`);
      }
      const first = await splash.screenshot();
      writeFileSync(shot('splash'), first);
      await page.waitForFunction(async (before) => {
        const now = document.querySelector('.kk-surface').toDataURL();
        return now !== before;
      }, await splash.evaluate((c) => c.toDataURL()), { ...deadline, polling: 100 });
    });

    await check('a key ends the program, and it plays again', screen, async () => {
      await page.keyboard.press('q');
      await page.getByText('Klonkatron has ended').waitFor(deadline);
      if ((await page.locator('.kk-window').count()) !== 0) throw new Error('windows left after the end');
      writeFileSync(shot('ended'), await page.screenshot());
      await press(page.getByRole('button', { name: 'Play again' }));
      await splash.waitFor(deadline);
    });

    const board = surface(page, 328, 280);
    await check('"Ok!" opens the board', screen, async () => {
      await press(page.getByRole('button', { name: 'Ok!' }));
      await board.waitFor(deadline);
      if ((await splash.count()) !== 0) throw new Error('the splash stays');
      await page.waitForFunction(() => document.querySelector('.kk-surface').textContent.includes('Welcome!'), null, deadline);
      writeFileSync(shot('board'), await page.screenshot());
    });

    if (Number.isInteger(screen.deviceScaleFactor) && !screen.hasTouch) {
      await check("the board's pictures are the desktop program's, each pixel a square", screen, async () => {
        const differences = await boardDifferences(board, join(artImages, '../../docs/board.png'));
        if (differences.length > 0) throw new Error(differences.join('; '));
      });
    }

    if (!screen.hasTouch) await check('the pointer over the board is the hammer', screen, async () => {
      const cursor = await board.evaluate((c) => getComputedStyle(c).cursor);
      if (!/url\("data:image\/png/.test(cursor)) throw new Error(`cursor is ${cursor.slice(0, 60)}`);
    });

    if (!screen.hasTouch) await check('the face tells its tooltip', screen, async () => {
      const box = await board.boundingBox();
      await page.mouse.move(box.x + 251, box.y + 136);
      const tip = await board.evaluate((c) => c.title);
      if (tip !== 'Thy Happyface is coming if you bang many computers') throw new Error(`the tooltip is "${tip}"`);
    });

    await check('Start, and a computer struck scores 100', screen, async () => {
      await installPlaceReader(page, artImages);
      if (screen.name === '1x') {
        // The first computer shows 3.0 s after Start, stays half a second
        // and goes, as the game's tests judge in virtual time: here load
        // can only delay what the page shows, so the times are printed,
        // neither may come early, and the computer must have gone long
        // before a stuck hiding timer would let it.
        const watch = board.evaluate((canvas) => new Promise((resolve) => {
          let start = null;
          let shown = null;
          document.addEventListener('click', (event) => { start = event.timeStamp; }, { capture: true, once: true });
          const look = (now) => {
            const up = Object.values(window.kkPlaces(canvas)).some((p) => p === 'ibm' || p === 'ibm2');
            if (start !== null && up && shown === null) shown = now;
            if (shown !== null && !up) resolve({ shown: shown - start, gone: now - start });
            else requestAnimationFrame(look);
          };
          requestAnimationFrame(look);
        }));
        await press(page.getByRole('button', { name: 'Start New Game' }));
        const seen = await watch;
        console.log(`the first computer showed after ${Math.round(seen.shown)} ms, went after ${Math.round(seen.gone)} ms`);
        if (seen.shown < 3000) throw new Error(`a computer showed ${Math.round(seen.shown)} ms after Start`);
        if (seen.gone < 3500 || seen.gone > 10000) throw new Error(`the first computer went ${Math.round(seen.gone)} ms after Start`);
      } else {
        await press(page.getByRole('button', { name: 'Start New Game' }));
      }
      await strikeAComputer(page, board, { tap: screen.hasTouch, ...deadline });
      writeFileSync(shot('struck'), await page.screenshot());
    });

    if (errors.length > 0) throw new Error(`${screen.name}: ${errors.join('\n')}`);
  });
}

const playing = screens.filter((screen) => screenNames.length === 0 || screenNames.includes(screen.name));
if (site.endsWith('.html')) {
  // One file goes alone: the notices of others' work in it are inside.
  const source = readFileSync(site, 'utf8');
  for (const notice of ['Liberation', 'The Emscripten Authors', 'Rich Felker', 'LLVM', 'dlmalloc']) {
    if (!source.includes(notice)) throw new Error(`the single file has no notice naming ${notice}`);
  }
}
await withGamePage(site, async (url, how) => {
  for (const screen of playing) await playOn(url, screen, how);
});
console.log(`The page played: splash, end and play again, board, a computer struck (${playing.map((s) => s.name).join(', ')})`);

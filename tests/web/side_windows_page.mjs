// The windows around the board in the page, in headless Chromium, in
// German: the board's clock in the browser's language; Tab
// showing the focus on the board (the Exit face's dotted rectangle); the
// About window at its designed place, moved by its title bar, behind the
// board when that is clicked, closed by its close box; its System Info message (a page
// starts no program) answered by Escape and by Enter, the About window's
// own Enter and Escape; five clicks on the face open the text window, where
// typing and Tab work; and after a game, Exit shows the score, then the
// farewell, and the page says that the game has ended. No error in the
// console. Every wait polls for what the page shows.
// Usage: node side_windows_page.mjs <page> <art/images> <screenshots>
// The page is a folder with klonkatron.html, served, or the single file,
// from file:// with the network off.
import { mkdirSync, writeFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { installPlaceReader, strikeAComputer } from './board_places.mjs';
import { watchErrors, withChromium } from './chromium.mjs';
import { withGamePage } from './static_server.mjs';

const [site, artImages, shots] = process.argv.slice(2, 5).map((p) => resolve(p));
mkdirSync(shots, { recursive: true });
const deadline = { timeout: 30000 };

async function step(name, play) {
  try {
    await play();
  } catch (error) {
    throw new Error(`${name}: ${error.message}`);
  }
}

await withGamePage(site, (url, { offline }) =>
  withChromium({ width: 900, height: 700, locale: 'de-DE' }, async (context) => {
    const page = context.pages()[0] ?? (await context.newPage());
    const errors = watchErrors(page);
    if (offline) await context.setOffline(true);
    await page.goto(url);
    await page.getByRole('button', { name: 'Ok!' }).click(deadline);
    const board = page.locator('.kk-window[aria-label^="Klonkatron"] .kk-surface');
    await board.waitFor(deadline);
    const about = page.locator('.kk-window[aria-label="About Klonkatron"]');
    const box = page.locator('dialog.kk-box[open]');
    const openAbout = async () => {
      await page.getByRole('button', { name: 'About Klonkatron' }).click();
      await about.waitFor(deadline);
    };

    await step("the board's clock names the day in the browser's language", async () => {
      const german = /^(Sonntag|Montag|Dienstag|Mittwoch|Donnerstag|Freitag|Samstag), \d\d.\d\d$/;
      await page.waitForFunction((pattern) => document.querySelector('.kk-surface').textContent.split('\n')
        .some((line) => new RegExp(pattern).test(line)), german.source, deadline);
    });

    await step('Tab shows the focus on the board: a dotted outline, and on the Exit face its rectangle', async () => {
      const boardFrame = page.locator('.kk-window[aria-label^="Klonkatron"]');
      if (await boardFrame.evaluate((f) => f.classList.contains('kk-cues'))) throw new Error('cues before any key');
      const face = page.locator('.kk-picture-button canvas');
      const unfocused = await face.evaluate((c) => c.toDataURL());
      for (let i = 0; i < 5 && !(await page.evaluate(() => document.activeElement?.classList.contains('kk-picture-button'))); i++) {
        await page.keyboard.press('Tab');
        if (!(await boardFrame.evaluate((f) => f.classList.contains('kk-cues')))) throw new Error('no cues after Tab');
      }
      await page.waitForFunction((before) => document.querySelector('.kk-picture-button canvas').toDataURL() !== before,
        unfocused, deadline);
      writeFileSync(join(shots, 'exit-focused.png'), await page.screenshot());
      await page.keyboard.press('Tab');
      const outline = await page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle);
      if (outline !== 'dotted') throw new Error(`the focused button's outline is ${outline}`);
    });

    await step('the About window opens at its designed place', async () => {
      await openAbout();
      const client = await about.locator('.kk-surface').boundingBox();
      // 2340 and 1890 twips from the desktop's corner.
      if (client.x !== 156 || client.y !== 126) throw new Error(`its client area is at ${client.x},${client.y}`);
      writeFileSync(join(shots, 'about.png'), await page.screenshot());
    });

    await step('System Info says that it is unavailable, and Escape and Enter answer it', async () => {
      for (const key of ['Escape', 'Enter']) {
        await page.getByRole('button', { name: 'System Info...' }).click();
        await box.waitFor(deadline);
        const text = await box.locator('.kk-box-text').textContent();
        if (text !== 'System Information Is Unavailable At This Time') throw new Error(`the box says "${text}"`);
        writeFileSync(join(shots, 'system-info.png'), await page.screenshot());
        await page.keyboard.press(key);
        await box.waitFor({ state: 'detached', ...deadline });
      }
      if (!(await about.isVisible())) throw new Error('the About window went with the box');
    });

    await step('a window moves by its title bar, comes to the front when clicked, and closes by its close box', async () => {
      const boardFrame = page.locator('.kk-window[aria-label^="Klonkatron"]');
      const title = about.locator('.kk-title');
      const before = await about.boundingBox();
      const grip = await title.boundingBox();
      await page.mouse.move(grip.x + 60, grip.y + grip.height / 2);
      await page.mouse.down();
      await page.mouse.move(grip.x + 100, grip.y + grip.height / 2 + 30, { steps: 4 });
      await page.mouse.up();
      const after = await about.boundingBox();
      if (after.x - before.x !== 40 || after.y - before.y !== 30) throw new Error(`moved by ${after.x - before.x},${after.y - before.y}`);
      const front = async () => page.evaluate(() => document.querySelector('.kk-window.kk-active')?.getAttribute('aria-label'));
      if ((await front()) !== 'About Klonkatron') throw new Error('the About window opened behind');
      const boardBox = await board.boundingBox();
      await page.mouse.click(boardBox.x + 3, boardBox.y + 277);  // bare background
      if (!(await front()).startsWith('Klonkatron')) throw new Error(`the front window is ${await front()}`);
      const zIndex = (frame) => frame.evaluate((f) => Number(f.style.zIndex));
      if ((await zIndex(boardFrame)) <= (await zIndex(about))) throw new Error('the board stays behind');
      await about.locator('.kk-close').click();
      await about.waitFor({ state: 'detached', ...deadline });
      await openAbout();
    });

    // Escape reaches OK wherever the focus is; Enter reaches it from the
    // start, when OK has the focus (on System Info..., Enter presses that).
    await step('the About window closes by Escape and by Enter', async () => {
      await page.keyboard.press('Escape');
      await about.waitFor({ state: 'detached', ...deadline });
      await openAbout();
      await page.keyboard.press('Enter');
      await about.waitFor({ state: 'detached', ...deadline });
    });

    await step('five clicks on the face open the text window, where typing and Tab work', async () => {
      const face = await board.boundingBox();
      for (let i = 0; i < 5; i++) await page.mouse.click(face.x + 251, face.y + 136);
      const text = page.locator('.kk-window textarea');
      await text.waitFor(deadline);
      if (!(await text.inputValue()).includes('The book of computer evils 6:8')) throw new Error('not the text');
      await page.waitForFunction(() => document.activeElement?.tagName === 'TEXTAREA', null, deadline);
      await page.keyboard.press('End');
      await page.keyboard.type('Klonk!');
      if (!(await text.inputValue()).includes('Klonk!')) throw new Error('typing does not reach the text');
      writeFileSync(join(shots, 'text-window.png'), await page.screenshot());
      await page.keyboard.press('Tab');
      const focused = await page.evaluate(() => document.activeElement?.getAttribute('aria-label'));
      if (focused !== 'Ok') throw new Error(`Tab took the focus to ${focused}`);
      await page.keyboard.press('Enter');
      await text.waitFor({ state: 'detached', ...deadline });
    });

    await step('after a game, Exit shows the score and the farewell, and the page says it has ended', async () => {
      await installPlaceReader(page, artImages);
      await page.getByRole('button', { name: 'Start New Game' }).click();
      await strikeAComputer(page, board, deadline);
      // The time counted passes 1 (Timer5), so that the score is shown.
      await page.waitForFunction((canvas) => canvas.textContent.split('\n').some((line) => Number(line) >= 2 && line !== '100'),
        await board.elementHandle(), deadline);
      await page.locator('.kk-picture-button').click();
      await box.waitFor(deadline);
      const score = await box.locator('.kk-box-text').textContent();
      if (!score.startsWith('Your total score was: 100 - ')) throw new Error(`the first box says "${score}"`);
      writeFileSync(join(shots, 'score.png'), await page.screenshot());
      await page.keyboard.press('Enter');
      await page.waitForFunction(() => document.querySelector('dialog.kk-box[open] .kk-box-text')?.textContent === 'Have a nice day!', null, deadline);
      await page.keyboard.press('Escape');
      await page.getByText('Klonkatron has ended').waitFor(deadline);
      if ((await page.locator('.kk-window, dialog.kk-box').count()) !== 0) throw new Error('windows or boxes stay');
    });

    if (errors.length > 0) throw new Error(errors.join('\n'));
  }),
);
console.log('The About window, its box, the text window and Exit played in the page');

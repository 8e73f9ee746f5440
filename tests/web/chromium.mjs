// Debian's Chromium, headless, driven by playwright-core (which downloads
// no browser of its own): the one way the web tests start a browser.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { chromium } from 'playwright-core';

export const chromiumPath = process.env.KLONKATRON_CHROMIUM || '/usr/bin/chromium';

// Nothing the browser does by itself may reach the network or depend on
// what an earlier run left behind: each launch has a fresh profile.
const chromiumArgs = [
  '--headless',
  '--no-sandbox',
  '--disable-gpu',
  '--disable-quic',
  '--no-first-run',
  '--disable-background-networking',
  '--disable-component-update',
  '--disable-sync',
];

// Runs `use(context)` in a fresh browser whose pages have the given
// viewport and device pixel ratio, a touch screen where asked, and the
// language given (English unless asked: never the machine's); the browser
// and its profile go afterwards, also when `use` throws.
export async function withChromium({ width = 800, height = 600, deviceScaleFactor = 1, hasTouch = false, locale = 'en-US' }, use) {
  const profile = mkdtempSync(join(tmpdir(), 'klonkatron-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath,
    headless: true,
    args: chromiumArgs,
    viewport: { width, height },
    deviceScaleFactor,
    hasTouch,
    locale,
  });
  try {
    return await use(context);
  } finally {
    await context.close();
    rmSync(profile, { recursive: true, force: true });
  }
}

// Collects what a page reports as errors: console errors and uncaught
// exceptions. A web test ends by checking that there were none.
export function watchErrors(page) {
  const errors = [];
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(`console: ${message.text()}`);
  });
  page.on('pageerror', (error) => errors.push(`exception: ${error.message}`));
  return errors;
}

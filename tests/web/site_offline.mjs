// The static site of `make package-web` installs as a web app and plays
// offline: its manifest names icons that load, its service worker keeps the
// site at the first visit, and with the network gone the page loads again,
// shows the splash and opens the board, and the notices it links to load,
// with no error in the console.
// Usage: node site_offline.mjs <site folder>
import { resolve } from 'node:path';
import { watchErrors, withChromium } from './chromium.mjs';
import { withStaticServer } from './static_server.mjs';

const site = resolve(process.argv[2]);
const deadline = { timeout: 30000 };

await withStaticServer(site, (base) =>
  withChromium({ width: 900, height: 700 }, async (context) => {
    const page = context.pages()[0] ?? (await context.newPage());
    const errors = watchErrors(page);
    await page.goto(`${base}/klonkatron.html`);
    const icons = await page.evaluate(async () => {
      const manifest = await (await fetch(document.querySelector('link[rel="manifest"]').href)).json();
      return Promise.all(manifest.icons.map(async (icon) => {
        const image = new Image();
        image.src = new URL(icon.src, document.baseURI).href;
        await image.decode();
        return `${image.width}x${image.height}` === icon.sizes;
      }));
    });
    if (icons.length === 0 || !icons.every(Boolean)) throw new Error(`the manifest's icons: ${icons}`);
    await page.evaluate(() => navigator.serviceWorker.ready);

    await context.setOffline(true);
    await page.reload();
    await page.getByRole('button', { name: 'Ok!' }).click(deadline);
    await page.locator('.kk-surface[style*="width: 328px"]').waitFor(deadline);
    // The notices the page links to (the fonts' licence, others' work in
    // the page) are kept with the rest.
    const notices = await page.evaluate(() => Promise.all([...document.querySelectorAll('#kk-notice a')]
      .map(async (link) => [link.getAttribute('href'), (await (await fetch(link.href)).text()).length])));
    if (notices.length !== 2 || !notices.every(([, length]) => length > 1000)) {
      throw new Error(`the notices offline: ${JSON.stringify(notices)}`);
    }
    if (errors.length > 0) throw new Error(errors.join('\n'));
  }),
);
console.log('The site installed its service worker and played offline');

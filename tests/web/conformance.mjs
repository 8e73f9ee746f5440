// Runs the backend conformance and canvas suites built for the web backend
// (tests/web_backend) in a page of headless Chromium, prints their output
// and exits with their exit code.
// Usage: node conformance.mjs <the web build's folder>
import { resolve } from 'node:path';
import { withChromium } from './chromium.mjs';
import { withStaticServer } from './static_server.mjs';

const root = resolve(process.argv[2]);
const code = await withStaticServer(root, (base) =>
  withChromium({}, async (context) => {
    const page = context.pages()[0] ?? (await context.newPage());
    page.on('console', (message) => console.log(message.text()));
    page.on('pageerror', (error) => console.log(`exception: ${error.message}`));
    await page.goto(`${base}/tests/web/conformance.html`);
    await page.waitForFunction(() => document.title.startsWith('exit '), null, { timeout: 120000 });
    return Number((await page.title()).slice('exit '.length));
  }),
);
process.exit(code);

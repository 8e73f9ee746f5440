// Runs the backend conformance suite built for the web backend
// (tests/web_backend/web_conformance_test.cpp) in a page of headless
// Chromium, prints its output and exits with its exit code.
// Usage: node conformance.mjs <folder of web_conformance_tests.js>
import { resolve } from 'node:path';
import { withChromium } from './chromium.mjs';
import { withStaticServer } from './static_server.mjs';

const root = resolve(process.argv[2]);
const code = await withStaticServer(root, (base) =>
  withChromium({}, async (context) => {
    const page = context.pages()[0] ?? (await context.newPage());
    page.on('console', (message) => console.log(message.text()));
    page.on('pageerror', (error) => console.log(`exception: ${error.message}`));
    await page.goto(`${base}/web/conformance.html`);
    await page.waitForFunction(() => document.title.startsWith('exit '), null, { timeout: 120000 });
    return Number((await page.title()).slice('exit '.length));
  }),
);
process.exit(code);

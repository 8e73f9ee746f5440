// What the board's nine places show, read in the page from the board's own
// canvas: a place shows a picture when a dozen of the picture's pixels,
// spread over it where no other picture of a place has their colour, are
// all there (as tests/windows/e2e/board_places.sh reads a screenshot); and
// a computer struck there.
import { readFileSync } from 'node:fs';
import { join } from 'node:path';

// The top-left corners of the places in the board's client pixels.
export const places = {
  upleft: [40, 80], up: [88, 80], upright: [136, 80],
  leftt: [32, 112], middle: [88, 112], right: [144, 112],
  downleft: [24, 144], down: [88, 144], downright: [160, 144],
};
export const placeSide = 32;
const placePictures = ['ibm', 'ibm2', 'bang', 'bang2'];

// The pictures of the places as data URLs, from the art's PNG files.
export function placePictureUrls(artImages) {
  return Object.fromEntries(placePictures.map((name) => [
    name, `data:image/png;base64,${readFileSync(join(artImages, `${name}.png`)).toString('base64')}`,
  ]));
}

// Installs window.kkPlaces(canvas) in the page: which place shows which
// picture, as { place: picture }, read from the canvas's device pixels.
export async function installPlaceReader(page, artImages) {
  await page.evaluate(async ({ urls, places }) => {
    const samples = {};
    const pixels = {};
    for (const [name, url] of Object.entries(urls)) {
      const image = new Image();
      image.src = url;
      await image.decode();
      const canvas = document.createElement('canvas');
      canvas.width = image.width;
      canvas.height = image.height;
      const context = canvas.getContext('2d');
      context.drawImage(image, 0, 0);
      pixels[name] = context.getImageData(0, 0, image.width, image.height);
    }
    const colourAt = (data, x, y) => {
      const i = 4 * (y * data.width + x);
      return data.data[i + 3] === 255 ? (data.data[i] << 16) | (data.data[i + 1] << 8) | data.data[i + 2] : -1;
    };
    for (const [name, data] of Object.entries(pixels)) {
      const unique = [];
      for (let y = 0; y < data.height; y++) {
        for (let x = 0; x < data.width; x++) {
          const colour = colourAt(data, x, y);
          if (colour < 0) continue;
          const shared = Object.entries(pixels).some(([other, o]) => other !== name && colourAt(o, x, y) === colour);
          if (!shared) unique.push([x, y, colour]);
        }
      }
      samples[name] = Array.from({ length: 12 }, (_, k) => unique[Math.floor((k * unique.length) / 12)]);
    }
    // At a whole ratio every pixel of a picture is an exact square of the
    // canvas; at a fractional one the window is scaled smoothly, and the
    // middle of a pixel keeps its colour only nearly, at most pixels.
    window.kkPlaces = (canvas) => {
      const ratio = canvas.width / parseFloat(canvas.style.width);
      const exact = Number.isInteger(ratio);
      const near = (i, colour) => [16, 8, 0].every((shift, c) => Math.abs(data.data[i + c] - ((colour >> shift) & 255)) <= 48);
      const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
      const shown = {};
      for (const [place, [left, top]] of Object.entries(places)) {
        for (const [name, points] of Object.entries(samples)) {
          const matching = points.filter(([x, y, colour]) => {
            const i = 4 * (Math.floor((top + y + 0.5) * ratio) * data.width + Math.floor((left + x + 0.5) * ratio));
            if (!exact) return near(i, colour);
            return ((data.data[i] << 16) | (data.data[i + 1] << 8) | data.data[i + 2]) === colour;
          }).length;
          if (matching >= (exact ? points.length : points.length - 2)) shown[place] = name;
        }
      }
      return shown;
    };
  }, { urls: placePictureUrls(artImages), places });
}

// Strikes the first computer that shows on the board (its client canvas),
// read in the page at every frame and struck at once, by a click or a tap;
// returns the place struck. installPlaceReader must have run.
export async function strikeShownComputer(page, board, { tap = false, timeout = 30000 } = {}) {
  const place = await (await page.waitForFunction((canvas) => {
    const shown = window.kkPlaces(canvas);
    return Object.keys(shown).find((p) => shown[p] === 'ibm' || shown[p] === 'ibm2');
  }, await board.elementHandle(), { timeout, polling: 'raf' })).jsonValue();
  const box = await board.boundingBox();
  const scale = box.width / 328;
  const [left, top] = places[place];
  const at = [box.x + (left + placeSide / 2) * scale, box.y + (top + placeSide / 2) * scale];
  await (tap ? page.touchscreen.tap(...at) : page.mouse.click(...at));
  return place;
}

// Strikes the first computer that shows, as strikeShownComputer does, and
// returns once the score reads 100.
export async function strikeAComputer(page, board, { tap = false, timeout = 30000 } = {}) {
  const place = await strikeShownComputer(page, board, { tap, timeout });
  await board.evaluate((canvas, timeout) => new Promise((resolve, reject) => {
    const end = performance.now() + timeout;
    const look = () => {
      if (canvas.textContent.split('\n').includes('100')) resolve();
      else if (performance.now() > end) reject(new Error(`no score of 100 after striking the computer at ${place}`));
      else setTimeout(look, 50);
    };
    look();
  }), timeout);
}

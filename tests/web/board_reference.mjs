// The board in the page against the desktop program's picture of it
// (docs/board.png, the Qt program at 1x, as it opens): pixel for pixel
// where the board shows only pictures (the banner, the emblem, the upper
// and lower rows of places on the table, where no text lies), at a whole device pixel ratio
// each logical pixel an exact square of device pixels of the same colour.
// Text is left out: its glyphs are each font engine's own (behind the
// emblem lies the face counter's "0").
import { readFileSync } from 'node:fs';

// Client pixels of the board without text as it opens: x, y, width, height.
const pictureAreas = [
  [8, 0, 272, 48], // the banner
  [40, 80, 128, 32], // the upper places
  [24, 160, 168, 16], // the lower places, below the welcome
];

// The first differing pixels (at most five), or [] when all agree.
export async function boardDifferences(board, referencePng) {
  const url = `data:image/png;base64,${readFileSync(referencePng).toString('base64')}`;
  return board.evaluate(async (canvas, { url, pictureAreas }) => {
    // The file's own values, not converted for a display's colours.
    const image = await createImageBitmap(await (await fetch(url)).blob(), { colorSpaceConversion: 'none' });
    const reference = document.createElement('canvas');
    reference.width = image.width;
    reference.height = image.height;
    reference.getContext('2d').drawImage(image, 0, 0);
    const want = reference.getContext('2d').getImageData(0, 0, image.width, image.height).data;
    const ratio = canvas.width / parseFloat(canvas.style.width);
    const have = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    const differences = [];
    for (const [left, top, width, height] of pictureAreas) {
      for (let y = top; y < top + height; y++) {
        for (let x = left; x < left + width; x++) {
          const w = 4 * (y * image.width + x);
          for (let dy = 0; dy < ratio; dy++) {
            for (let dx = 0; dx < ratio; dx++) {
              const h = 4 * ((y * ratio + dy) * canvas.width + x * ratio + dx);
              if ([0, 1, 2].some((c) => have[h + c] !== want[w + c]) && differences.length < 5) {
                differences.push(`${x},${y} (+${dx},${dy}): ${Array.from(have.slice(h, h + 3))} not ${Array.from(want.slice(w, w + 3))}`);
              }
            }
          }
        }
      }
    }
    return differences;
  }, { url, pictureAreas });
}

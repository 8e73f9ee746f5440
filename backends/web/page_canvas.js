// The core's canvas on a window's HTML canvas (web_canvas.cpp): fills,
// pictures and text, in logical pixels on a 2D context scaled to the whole
// ratio the window paints at (forms/paint_scale.h).
mergeInto(LibraryManager.library, {
  $KKCanvas__deps: ['$KKWindows'],
  $KKCanvas: {
    pictures: null,
    measure: null,
    // The context a window paints on now.
    context: function (window) {
      var w = KKWindows.windows[window];
      return w ? w.painting : null;
    },
    // A picture's canvas, made once for its pixels: kept by their address
    // with a copy of the words, so that other pixels at the same address
    // (a picture that was not the program's) make a canvas of their own.
    picture: function (pixels, width, height) {
      if (!KKCanvas.pictures) KKCanvas.pictures = new Map();
      var words = HEAPU32.subarray(pixels >> 2, (pixels >> 2) + width * height);
      var kept = KKCanvas.pictures.get(pixels);
      if (kept && kept.width === width && kept.words.length === words.length) {
        var same = true;
        for (var i = 0; same && i < words.length; i++) same = kept.words[i] === words[i];
        if (same) return kept.canvas;
      }
      kept = { width: width, words: words.slice(), canvas: KKWindows.pictureCanvas(pixels, width, height) };
      KKCanvas.pictures.set(pixels, kept);
      return kept.canvas;
    },
    clipped: function (context, left, top, width, height, draw) {
      context.save();
      context.beginPath();
      context.rect(left, top, width, height);
      context.clip();
      draw();
      context.restore();
    },
    css: function (rgb) {
      return '#' + (rgb & 0xffffff).toString(16).padStart(6, '0');
    },
    measuring: function (font) {
      if (!KKCanvas.measure) KKCanvas.measure = document.createElement('canvas').getContext('2d');
      KKCanvas.measure.font = font;
      return KKCanvas.measure;
    },
    // The line box of a font: its ascent and descent, as the font engine has them.
    lineBox: function (font) {
      var metrics = KKCanvas.measuring(font).measureText('Xg');
      return [metrics.fontBoundingBoxAscent, metrics.fontBoundingBoxDescent];
    },
  },

  kk_paint_begin__deps: ['$KKCanvas'],
  kk_paint_begin: function (window, ratio, paintRatio, smoothed) {
    var w = KKWindows.windows[window];
    if (!w) return 0;
    var deviceWidth = Math.round(w.width * ratio);
    var deviceHeight = Math.round(w.height * ratio);
    var fresh = 0;
    if (w.canvas.width !== deviceWidth || w.canvas.height !== deviceHeight) {
      w.canvas.width = deviceWidth;
      w.canvas.height = deviceHeight;
      fresh = 1;
    }
    var target = w.canvas;
    if (smoothed) {
      if (!w.whole) w.whole = document.createElement('canvas');
      w.whole.width = w.width * paintRatio;
      w.whole.height = w.height * paintRatio;
      target = w.whole;
    }
    var context = target.getContext('2d');
    context.setTransform(paintRatio, 0, 0, paintRatio, 0, 0);
    context.imageSmoothingEnabled = false;
    w.painting = context;
    w.smoothed = !!smoothed;
    return fresh;
  },

  kk_paint_end__deps: ['$KKCanvas'],
  kk_paint_end: function (window) {
    var w = KKWindows.windows[window];
    if (!w) return;
    if (w.smoothed) {
      var context = w.canvas.getContext('2d');
      context.setTransform(1, 0, 0, 1, 0, 0);
      context.imageSmoothingEnabled = true;
      context.imageSmoothingQuality = 'high';
      context.drawImage(w.whole, 0, 0, w.canvas.width, w.canvas.height);
    }
    w.painting = null;
  },

  // The page's dialog colour, from its style sheet.
  kk_dialog_colour: function () {
    var value = getComputedStyle(document.documentElement).getPropertyValue('--kk-dialog').trim();
    return parseInt(value.replace('#', ''), 16) || 0xf0f0f0;
  },

  kk_fill__deps: ['$KKCanvas'],
  kk_fill: function (window, left, top, width, height, rgb) {
    var context = KKCanvas.context(window);
    if (!context) return;
    context.fillStyle = KKCanvas.css(rgb);
    context.fillRect(left, top, width, height);
  },

  kk_picture__deps: ['$KKCanvas'],
  kk_picture: function (window, pixels, width, height, x, y, clipLeft, clipTop, clipWidth, clipHeight) {
    var context = KKCanvas.context(window);
    if (!context) return;
    var picture = KKCanvas.picture(pixels, width, height);
    KKCanvas.clipped(context, clipLeft, clipTop, clipWidth, clipHeight, function () {
      context.drawImage(picture, x, y);
    });
  },

  kk_line_height__deps: ['$KKCanvas'],
  kk_line_height: function (font) {
    var box = KKCanvas.lineBox(UTF8ToString(font));
    return box[0] + box[1];
  },

  kk_text_width__deps: ['$KKCanvas'],
  kk_text_width: function (font, text, length) {
    return KKCanvas.measuring(UTF8ToString(font)).measureText(UTF8ToString(text, length)).width;
  },

  kk_text__deps: ['$KKCanvas'],
  kk_text: function (window, font, text, length, x, y, clipLeft, clipTop, clipWidth, clipHeight, rgb) {
    var context = KKCanvas.context(window);
    if (!context) return;
    var css = UTF8ToString(font);
    var ascent = KKCanvas.lineBox(css)[0];
    var line = UTF8ToString(text, length);
    KKCanvas.clipped(context, clipLeft, clipTop, clipWidth, clipHeight, function () {
      context.font = css;
      context.fillStyle = KKCanvas.css(rgb);
      context.textBaseline = 'alphabetic';
      context.fillText(line, x, y + ascent);
    });
  },
});

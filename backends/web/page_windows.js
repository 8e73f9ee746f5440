// The page's windows for the web backend (web_form_view.cpp): a frame with
// a drawn title bar, a canvas for the drawn controls (their buttons and text
// boxes are page_widgets.js's), the pointer, and their input reported to
// the program (page_input.cpp). The page is the desktop: #kk-desktop.
mergeInto(LibraryManager.library, {
  $KKWindows__deps: ['free'],
  $KKWindows: {
    windows: {},
    front: 0,
    desktop: function () {
      return document.getElementById('kk-desktop');
    },
    // On a page smaller than a window (a phone), the desktop is scaled down
    // until the largest window shown so far fits: its logical size is then
    // larger than the page, and windows are placed on it as on any desktop.
    scale: 1,
    needed: [0, 0],
    fit: function () {
      var width = self.innerWidth;
      var height = self.innerHeight;
      var scale = Math.min(1, width / Math.max(1, KKWindows.needed[0]), height / Math.max(1, KKWindows.needed[1]));
      var desktop = KKWindows.desktop();
      desktop.style.width = width / scale + 'px';
      desktop.style.height = height / scale + 'px';
      desktop.style.transform = scale < 1 ? 'scale(' + scale + ')' : '';
      KKWindows.scale = scale;
    },
    // A window paints again for the device pixels it covers now, its
    // picture faces too: when a zoom, another screen or the desktop's scale
    // changed them.
    repaint: function (w) {
      if (KKWindows.windows[w.id] !== w) return;
      _klonkatron_paint(w.id);
      for (var control in w.widgets) if (w.widgets[control].kkFaceChanged) w.widgets[control].kkFaceChanged();
    },
    // Client pixels (logical, at 96 dpi) of a pointer event over a window,
    // however the page scales the desktop.
    clientPoint: function (w, event) {
      var r = w.client.getBoundingClientRect();
      var scale = r.width > 0 ? w.width / r.width : 1;
      return [(event.clientX - r.left) * scale, (event.clientY - r.top) * scale];
    },
    shiftOf: function (event) {
      return (event.shiftKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.altKey ? 4 : 0);
    },
    buttonOf: function (event) {
      return [1, 4, 2][event.button] || 0;
    },
    buttonsOf: function (event) {
      return (event.buttons & 1 ? 1 : 0) | (event.buttons & 2 ? 2 : 0) | (event.buttons & 4 ? 4 : 0);
    },
    withString: function (text, use) {
      var p = allocateUTF8(text);
      try {
        return use(p);
      } finally {
        _free(p);
      }
    },
    // The front window is the active one, with the highlighted title bar.
    raise: function (w) {
      w.frame.style.zIndex = String(++KKWindows.front);
      for (var id in KKWindows.windows) KKWindows.windows[id].frame.classList.toggle('kk-active', KKWindows.windows[id] === w);
    },
    // The window a key goes to: the one holding the focus, else the front one.
    keyWindow: function (target) {
      var frame = target && target.closest ? target.closest('.kk-window') : null;
      if (frame) return KKWindows.windows[frame.dataset.window];
      var best = null;
      for (var id in KKWindows.windows) {
        var w = KKWindows.windows[id];
        if (!best || Number(w.frame.style.zIndex) > Number(best.frame.style.zIndex)) best = w;
      }
      return best;
    },
    onKey: function (event) {
      // A message box or the end notice answers its own keys.
      if (document.querySelector('dialog[open]') || event.isComposing) return;
      var w = KKWindows.keyWindow(event.target);
      if (!w) return;
      var used = KKWindows.withString(event.key, function (key) {
        return _klonkatron_key(w.id, key, KKWindows.shiftOf(event));
      });
      if (used) {
        event.preventDefault();
        event.stopPropagation();
      }
    },
    // A picture of 0xAARRGGBB words as a canvas of its own pixels.
    pictureCanvas: function (pixels, width, height) {
      var canvas = document.createElement('canvas');
      canvas.width = width;
      canvas.height = height;
      var context = canvas.getContext('2d');
      var image = context.createImageData(width, height);
      var words = HEAPU32.subarray(pixels >> 2, (pixels >> 2) + width * height);
      for (var i = 0; i < words.length; i++) {
        var word = words[i];
        image.data[4 * i] = (word >>> 16) & 255;
        image.data[4 * i + 1] = (word >>> 8) & 255;
        image.data[4 * i + 2] = word & 255;
        image.data[4 * i + 3] = word >>> 24;
      }
      context.putImageData(image, 0, 0);
      return canvas;
    },
    // The picture enlarged `scale` times, nearest-neighbour.
    enlarged: function (picture, scale) {
      var canvas = document.createElement('canvas');
      canvas.width = picture.width * scale;
      canvas.height = picture.height * scale;
      var context = canvas.getContext('2d');
      context.imageSmoothingEnabled = false;
      context.drawImage(picture, 0, 0, canvas.width, canvas.height);
      return canvas;
    },
    dragTitleBar: function (w, bar) {
      bar.addEventListener('pointerdown', function (event) {
        if (event.button !== 0 || event.target.closest('.kk-close')) return;
        bar.setPointerCapture(event.pointerId);
        var start = [event.clientX, event.clientY, w.frame.offsetLeft, w.frame.offsetTop];
        var move = function (e) {
          w.frame.style.left = Math.max(0, start[2] + e.clientX - start[0]) + 'px';
          w.frame.style.top = Math.max(0, start[3] + e.clientY - start[1]) + 'px';
        };
        var end = function () {
          bar.removeEventListener('pointermove', move);
          bar.removeEventListener('pointerup', end);
          bar.removeEventListener('pointercancel', end);
        };
        bar.addEventListener('pointermove', move);
        bar.addEventListener('pointerup', end);
        bar.addEventListener('pointercancel', end);
      });
    },
  },

  // Device pixels to the logical pixel, the desktop's scale included.
  kk_device_pixel_ratio__deps: ['$KKWindows'],
  kk_device_pixel_ratio: function () {
    return (self.devicePixelRatio || 1) * KKWindows.scale;
  },
  kk_desktop_fit__deps: ['$KKWindows'],
  kk_desktop_fit: function (width, height) {
    if (!KKWindows.fitting) {
      KKWindows.fitting = true;
      self.addEventListener('resize', KKWindows.fit);
    }
    KKWindows.needed = [Math.max(KKWindows.needed[0], width), Math.max(KKWindows.needed[1], height)];
    KKWindows.fit();
  },
  kk_desktop_width__deps: ['$KKWindows'],
  kk_desktop_width: function () {
    return KKWindows.desktop().clientWidth;
  },
  kk_desktop_height__deps: ['$KKWindows'],
  kk_desktop_height: function () {
    return KKWindows.desktop().clientHeight;
  },

  kk_window_open__deps: ['$KKWindows'],
  kk_window_open: function (window, title, titleBar, titleBarHeight, border, closeBox, left, top, width, height) {
    if (!KKWindows.listening) {
      KKWindows.listening = true;
      document.addEventListener('keydown', KKWindows.onKey, true);
    }
    var frame = document.createElement('div');
    frame.className = 'kk-window kk-border-' + border;
    frame.dataset.window = window;
    frame.style.left = left + 'px';
    frame.style.top = top + 'px';
    frame.style.borderWidth = border + 'px';
    frame.tabIndex = -1;
    var w = { id: window, frame: frame, width: width, height: height, widgets: {}, pointerId: null };
    if (titleBar !== 0) {
      var bar = document.createElement('div');
      bar.className = 'kk-title' + (titleBar === 2 ? ' kk-title-small' : '');
      bar.style.height = titleBarHeight + 'px';
      bar.style.fontSize = Math.round((titleBarHeight * 3) / 5) + 'px';
      w.titleIcon = document.createElement('span');
      w.titleIcon.className = 'kk-title-icon';
      var text = document.createElement('span');
      text.className = 'kk-title-text';
      text.textContent = UTF8ToString(title);
      bar.appendChild(w.titleIcon);
      bar.appendChild(text);
      if (closeBox) {
        var close = document.createElement('button');
        close.className = 'kk-close';
        close.tabIndex = -1;
        close.setAttribute('aria-label', 'Close');
        close.addEventListener('click', function () {
          _klonkatron_close_requested(window);
        });
        bar.appendChild(close);
      }
      KKWindows.dragTitleBar(w, bar);
      frame.appendChild(bar);
    }
    var client = document.createElement('div');
    client.className = 'kk-client';
    client.style.width = width + 'px';
    client.style.height = height + 'px';
    var canvas = document.createElement('canvas');
    canvas.className = 'kk-surface';
    canvas.style.width = width + 'px';
    canvas.style.height = height + 'px';
    client.appendChild(canvas);
    frame.appendChild(client);
    frame.setAttribute('role', 'dialog');
    frame.setAttribute('aria-label', UTF8ToString(title));
    w.client = client;
    w.canvas = canvas;

    canvas.addEventListener('pointerdown', function (event) {
      w.pointerId = event.pointerId;
      w.pressedButton = KKWindows.buttonOf(event);
      var p = KKWindows.clientPoint(w, event);
      _klonkatron_mouse(window, 0, p[0], p[1], w.pressedButton, KKWindows.shiftOf(event));
      event.preventDefault();  // no text selection, no focus taken from the controls
    });
    var release = function (event) {
      var p = KKWindows.clientPoint(w, event);
      var button = event.type === 'pointercancel' ? w.pressedButton : KKWindows.buttonOf(event);
      _klonkatron_mouse(window, 1, p[0], p[1], button, KKWindows.shiftOf(event));
    };
    canvas.addEventListener('pointerup', release);
    // A touch the browser takes over ends as a release, so that the core's
    // capture does not wait for ever.
    canvas.addEventListener('pointercancel', release);
    canvas.addEventListener('pointermove', function (event) {
      var p = KKWindows.clientPoint(w, event);
      _klonkatron_mouse(window, 2, p[0], p[1], KKWindows.buttonsOf(event), KKWindows.shiftOf(event));
      var tip = UTF8ToString(_klonkatron_tool_tip(window, p[0], p[1]));
      if (canvas.title !== tip) canvas.title = tip;
    });
    canvas.addEventListener('contextmenu', function (event) {
      event.preventDefault();
    });
    // A click anywhere in a window brings it to the front.
    frame.addEventListener('pointerdown', function () {
      KKWindows.raise(w);
    }, true);
    if (self.ResizeObserver) {
      w.watch = new ResizeObserver(function () {
        KKWindows.repaint(w);
      });
      try {
        w.watch.observe(canvas, { box: 'device-pixel-content-box' });
      } catch (e) {
        w.watch.observe(canvas);
      }
    }
    KKWindows.windows[window] = w;
    KKWindows.raise(w);
    KKWindows.desktop().appendChild(frame);
    frame.focus({ preventScroll: true });
  },

  kk_window_close__deps: ['$KKWindows'],
  kk_window_close: function (window) {
    var w = KKWindows.windows[window];
    if (!w) return;
    delete KKWindows.windows[window];
    if (w.watch) w.watch.disconnect();
    w.frame.remove();
  },

  kk_window_raise__deps: ['$KKWindows'],
  kk_window_raise: function (window) {
    var w = KKWindows.windows[window];
    if (w) KKWindows.raise(w);
  },

  kk_window_icon__deps: ['$KKWindows'],
  kk_window_icon: function (window, pixels, width, height) {
    var w = KKWindows.windows[window];
    if (!w || !w.titleIcon) return;
    var icon = KKWindows.pictureCanvas(pixels, width, height);
    icon.className = 'kk-title-icon';
    w.titleIcon.replaceWith(icon);
    w.titleIcon = icon;
  },

  // A CSS cursor from the picture's pixels at 1x and 2x (nearest-neighbour,
  // crisp on both), its hot spot in CSS pixels.
  kk_window_pointer__deps: ['$KKWindows'],
  kk_window_pointer: function (window, pixels, width, height, hotX, hotY) {
    var w = KKWindows.windows[window];
    if (!w) return;
    if (!pixels) {
      w.canvas.style.cursor = '';
      return;
    }
    var picture = KKWindows.pictureCanvas(pixels, width, height);
    var one = picture.toDataURL('image/png');
    var two = KKWindows.enlarged(picture, 2).toDataURL('image/png');
    var hot = ' ' + hotX + ' ' + hotY + ', auto';
    w.canvas.style.cursor = 'url(' + one + ')' + hot;
    // Where the browser takes an image set for a cursor, the 2x one too.
    w.canvas.style.cursor = '-webkit-image-set(url(' + one + ') 1x, url(' + two + ') 2x)' + hot;
    w.canvas.dataset.pointer = one;
  },

  kk_window_capture__deps: ['$KKWindows'],
  kk_window_capture: function (window, captured) {
    var w = KKWindows.windows[window];
    if (!w || w.pointerId === null) return;
    try {
      if (captured) {
        w.canvas.setPointerCapture(w.pointerId);
      } else if (w.canvas.hasPointerCapture(w.pointerId)) {
        w.canvas.releasePointerCapture(w.pointerId);
      }
    } catch (e) {
      // The pointer went away before its press was reported: nothing to hold.
    }
  },

  kk_window_text__deps: ['$KKWindows'],
  kk_window_text: function (window, text) {
    var w = KKWindows.windows[window];
    if (w) w.canvas.textContent = UTF8ToString(text);
  },

  kk_window_request_paint__deps: ['$KKWindows'],
  kk_window_request_paint: function (window) {
    requestAnimationFrame(function () {
      if (KKWindows.windows[window]) _klonkatron_paint(window);
    });
  },

  kk_window_cues__deps: ['$KKWindows'],
  kk_window_cues: function (window, shown) {
    var w = KKWindows.windows[window];
    if (w) w.frame.classList.toggle('kk-cues', !!shown);
  },
});

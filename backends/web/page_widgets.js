// The buttons and text boxes of the page's windows (web_form_view.cpp): real
// HTML controls in front of a window's canvas, at their designed places and
// fonts, reporting clicks, edits, the focus and the pointer over them to the
// program (page_input.cpp).
mergeInto(LibraryManager.library, {
  $KKWidgets__deps: ['$KKWindows'],
  $KKWidgets: {
    widget: function (window, control) {
      var w = KKWindows.windows[window];
      return w ? w.widgets[control] : null;
    },
    addWidget: function (window, control, element, left, top, width, height) {
      var w = KKWindows.windows[window];
      element.className += ' kk-widget';
      element.style.left = left + 'px';
      element.style.top = top + 'px';
      element.style.width = width + 'px';
      element.style.height = height + 'px';
      element.dataset.control = control;
      element.addEventListener('focus', function () {
        _klonkatron_focused(window, control);
      });
      element.addEventListener('pointermove', function (event) {
        var p = KKWindows.clientPoint(w, event);
        _klonkatron_widget_mouse_move(window, control, p[0], p[1], KKWindows.buttonsOf(event), KKWindows.shiftOf(event));
      });
      w.client.appendChild(element);
      w.widgets[control] = element;
    },
  },

  kk_button_add__deps: ['$KKWidgets'],
  kk_button_add: function (window, control, left, top, width, height, pictureFace) {
    var button = document.createElement('button');
    button.type = 'button';
    button.className = pictureFace ? 'kk-button kk-picture-button' : 'kk-button';
    button.addEventListener('click', function () {
      _klonkatron_button_click(window, control);
    });
    if (pictureFace) {
      var face = document.createElement('canvas');
      face.style.width = width + 'px';
      face.style.height = height + 'px';
      button.appendChild(face);
      var pressed = false;
      var report = function () {
        _klonkatron_button_state(window, control, pressed ? 1 : 0, document.activeElement === button ? 1 : 0);
      };
      button.addEventListener('pointerdown', function () { pressed = true; report(); });
      button.addEventListener('pointerup', function () { pressed = false; report(); });
      button.addEventListener('pointerleave', function () { if (pressed) { pressed = false; report(); } });
      button.addEventListener('focus', report);
      button.addEventListener('blur', report);
      button.kkFaceChanged = report;
    }
    KKWidgets.addWidget(window, control, button, left, top, width, height);
  },

  kk_text_box_add__deps: ['$KKWidgets'],
  kk_text_box_add: function (window, control, left, top, width, height, multiLine, verticalBar, horizontalBar, locked) {
    var box;
    if (multiLine) {
      box = document.createElement('textarea');
      box.wrap = horizontalBar ? 'off' : 'soft';
      box.style.overflowY = verticalBar ? 'scroll' : 'hidden';
      box.style.overflowX = horizontalBar ? 'scroll' : 'hidden';
    } else {
      box = document.createElement('input');
      box.type = 'text';
    }
    box.className = 'kk-text-box';
    box.readOnly = !!locked;
    box.spellcheck = false;
    box.addEventListener('input', function () {
      KKWindows.withString(box.value, function (text) {
        _klonkatron_text_edited(window, control, text);
      });
    });
    KKWidgets.addWidget(window, control, box, left, top, width, height);
  },

  kk_widget_visible__deps: ['$KKWidgets'],
  kk_widget_visible: function (window, control, visible) {
    var element = KKWidgets.widget(window, control);
    if (element) element.hidden = !visible;
  },

  kk_widget_font__deps: ['$KKWidgets'],
  kk_widget_font: function (window, control, font) {
    var element = KKWidgets.widget(window, control);
    if (element) element.style.font = UTF8ToString(font);
  },

  // The access key's letter underlined, "&&" an ampersand.
  kk_button_caption__deps: ['$KKWidgets'],
  kk_button_caption: function (window, control, caption) {
    var button = KKWidgets.widget(window, control);
    if (!button) return;
    var text = UTF8ToString(caption);
    button.textContent = '';
    var marked = false;
    for (var i = 0; i < text.length; i++) {
      if (text[i] === '&' && i + 1 < text.length) {
        i++;
        if (text[i] !== '&' && !marked) {
          marked = true;
          var key = document.createElement('u');
          key.textContent = text[i];
          button.appendChild(key);
          continue;
        }
      }
      button.appendChild(document.createTextNode(text[i]));
    }
    button.setAttribute('aria-label', text.replace(/&(.)/g, '$1'));
  },

  kk_button_face__deps: ['$KKWidgets'],
  kk_button_face: function (window, control, pixels, width, height, offset, focusLeft, focusTop, focusWidth, focusHeight) {
    var button = KKWidgets.widget(window, control);
    if (!button) return;
    var face = button.firstChild;
    // The face's pixels by the windows' scale policy: at the whole ratio at
    // or above the device's, scaled smoothly by the browser from there.
    var ratio = Math.max(1, Math.ceil((self.devicePixelRatio || 1) * KKWindows.scale - 1e-6));
    var w = parseInt(face.style.width, 10);
    var h = parseInt(face.style.height, 10);
    face.width = w * ratio;
    face.height = h * ratio;
    var context = face.getContext('2d');
    context.imageSmoothingEnabled = false;
    context.setTransform(ratio, 0, 0, ratio, 0, 0);
    context.clearRect(0, 0, w, h);
    if (button.kkPixels !== pixels) {
      button.kkPixels = pixels;
      button.kkPicture = KKWindows.pictureCanvas(pixels, width, height);
    }
    context.drawImage(button.kkPicture, offset, offset);
    if (focusWidth > 0) {
      // Dots on every other pixel, as the system's focus rectangle.
      context.fillStyle = '#000';
      var right = focusLeft + focusWidth - 1;
      var bottom = focusTop + focusHeight - 1;
      for (var x = focusLeft; x <= right; x += 2) {
        context.fillRect(x, focusTop, 1, 1);
        context.fillRect(x, bottom, 1, 1);
      }
      for (var y = focusTop + 2; y < bottom; y += 2) {
        context.fillRect(focusLeft, y, 1, 1);
        context.fillRect(right, y, 1, 1);
      }
    }
  },

  kk_text_box_text__deps: ['$KKWidgets'],
  kk_text_box_text: function (window, control, text) {
    var box = KKWidgets.widget(window, control);
    var value = UTF8ToString(text);
    if (box && box.value !== value) box.value = value;
  },

  kk_widget_focus__deps: ['$KKWidgets'],
  kk_widget_focus: function (window, control) {
    var element = KKWidgets.widget(window, control);
    if (element) element.focus({ preventScroll: true });
  },
});

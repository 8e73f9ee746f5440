// The web backend's message boxes, alarm, regional names and end
// (web_backend.cpp): boxes
// are modal HTML dialogs answered through klonkatron_message_box_answered
// while the timers go on; the alarm is one setTimeout; at the end the page
// says so and offers another game (#kk-ended, in klonkatron.html).
mergeInto(LibraryManager.library, {
  $KKBoxes: {
    alarm: null,
    alarmAt: 0,  // when it rings, on performance.now()'s clock
    // The answers, as forms::MsgResult numbers them, of each kind of box
    // (forms::MsgButtons): its buttons, and what Escape answers.
    kinds: [
      { buttons: [['OK', 1]], escape: 1 },
      { buttons: [['OK', 1], ['Cancel', 2]], escape: 2 },
      { buttons: [['Yes', 6], ['No', 7]], escape: 7 },
    ],
    icons: ['', 'information', 'exclamation', 'critical', 'question'],
    iconMarks: ['', 'i', '!', '\u00d7', '?'],
  },

  kk_set_alarm__deps: ['$KKBoxes'],
  kk_set_alarm: function (milliseconds) {
    if (KKBoxes.alarm !== null) clearTimeout(KKBoxes.alarm);
    KKBoxes.alarm = null;
    if (milliseconds < 0) return;
    KKBoxes.alarmAt = performance.now() + milliseconds;
    KKBoxes.alarm = setTimeout(function () {
      KKBoxes.alarm = null;
      _klonkatron_alarm();
    }, milliseconds);
  },

  // The regional names in the browser's language (page_locale.h says the
  // lines), as a string for the program to free.
  kk_locale_lines: function () {
    var language = navigator.language || 'en';
    var utc = function (options) {
      options.timeZone = 'UTC';
      return new Intl.DateTimeFormat(language, options);
    };
    var lines = [];
    ['long', 'short'].forEach(function (style) {
      // 1 January 2023 was a Sunday.
      for (var day = 0; day < 7; day++) lines.push(utc({ weekday: style }).format(new Date(Date.UTC(2023, 0, 1 + day))));
    });
    ['long', 'short'].forEach(function (style) {
      for (var month = 0; month < 12; month++) lines.push(utc({ month: style }).format(new Date(Date.UTC(2023, month, 1))));
    });
    // What stands between the hours and the minutes of a short time.
    var parts = utc({ hour: 'numeric', minute: 'numeric' }).formatToParts(new Date(Date.UTC(2023, 0, 1, 13, 45)));
    var hour = parts.findIndex(function (part) { return part.type === 'hour'; });
    var between = parts[hour + 1];
    lines.push(between && between.type === 'literal' && parts[hour + 2] && parts[hour + 2].type === 'minute' ? between.value : '');
    return allocateUTF8(lines.join('\n'));
  },

  kk_message_box__deps: ['$KKBoxes'],
  kk_message_box: function (id, title, text, buttons, icon) {
    var kind = KKBoxes.kinds[buttons] || KKBoxes.kinds[0];
    var box = document.createElement('dialog');
    box.className = 'kk-box';
    var bar = document.createElement('div');
    bar.className = 'kk-title';
    bar.textContent = UTF8ToString(title);
    var body = document.createElement('div');
    body.className = 'kk-box-body';
    if (icon > 0 && icon < KKBoxes.icons.length) {
      var mark = document.createElement('span');
      mark.className = 'kk-box-icon kk-box-icon-' + KKBoxes.icons[icon];
      mark.textContent = KKBoxes.iconMarks[icon];
      mark.setAttribute('aria-hidden', 'true');
      body.appendChild(mark);
    }
    var message = document.createElement('p');
    message.className = 'kk-box-text';
    message.textContent = UTF8ToString(text);
    body.appendChild(message);
    var row = document.createElement('div');
    row.className = 'kk-box-buttons';
    var answered = false;
    var answer = function (result) {
      if (answered) return;
      answered = true;
      box.close();
      box.remove();
      _klonkatron_message_box_answered(id, result);
    };
    kind.buttons.forEach(function (button) {
      var element = document.createElement('button');
      element.type = 'button';
      element.textContent = button[0];
      element.addEventListener('click', function () {
        answer(button[1]);
      });
      row.appendChild(element);
    });
    // Enter presses the button with the focus (the first at the start),
    // Escape answers as the close box would, as on the desktop.
    box.addEventListener('keydown', function (event) {
      if (event.key === 'Escape') {
        event.preventDefault();
        answer(kind.escape);
      } else if (event.key === 'Enter') {
        event.preventDefault();
        var focused = document.activeElement;
        (row.contains(focused) ? focused : row.firstChild).click();
      }
    });
    box.addEventListener('cancel', function (event) {
      event.preventDefault();
      answer(kind.escape);
    });
    box.setAttribute('aria-label', UTF8ToString(title));
    box.appendChild(bar);
    box.appendChild(body);
    box.appendChild(row);
    document.body.appendChild(box);
    box.showModal();
    row.firstChild.focus();
  },

  kk_program_ended__deps: ['$KKBoxes', '$KKWindows'],
  kk_program_ended: function () {
    document.querySelectorAll('dialog.kk-box').forEach(function (box) {
      box.close();
      box.remove();
    });
    for (var id in KKWindows.windows) {
      if (KKWindows.windows[id].watch) KKWindows.windows[id].watch.disconnect();
      KKWindows.windows[id].frame.remove();
      delete KKWindows.windows[id];
    }
    var ended = document.getElementById('kk-ended');
    if (ended) {
      ended.hidden = false;
      var again = ended.querySelector('button');
      if (again) again.focus();
    }
  },
});

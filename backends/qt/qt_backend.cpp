#include "backends/qt/qt_backend.h"

#include <QApplication>
#include <QDateTime>
#include <QFont>
#include <QLocale>
#include <QMessageBox>

#include <utility>

#include "backends/qt/form_window.h"
#include "forms/application.h"

namespace forms::qt {
namespace {

QMessageBox::Icon iconOf(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Exclamation:
            return QMessageBox::Warning;
        case MsgIcon::Critical:
            return QMessageBox::Critical;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

QtBackend::QtBackend() : alarm_([this] { app().alarmRang(); }) {
    // When the program ends is the runtime's decision: Qt's own rule does not
    // count tool windows.
    QApplication::setQuitOnLastWindowClosed(false);
    // The windows name Arial and the classic dialog font; both resolve to
    // the metric-compatible Liberation Sans.
    QFont::insertSubstitution("Arial", "Liberation Sans");
    QFont::insertSubstitution("MS Sans Serif", "Liberation Sans");
}

QtBackend::~QtBackend() = default;

// The core never runs the loop after the program's end.
int QtBackend::run() {
    looping_ = true;
    QApplication::exec();
    looping_ = false;
    return 0;
}

std::unique_ptr<FormView> QtBackend::showForm(Form& form) { return makeFormView(*this, form); }

// The box is application-modal but shown without a loop of its own: the
// event loop that runs the windows runs it too, and its answer reaches the
// core when it is given.
void QtBackend::showMessageBox(int id, const MessageBoxRequest& request) {
    auto* box = new QMessageBox(iconOf(request.icon), QString::fromStdString(request.title),
                                QString::fromStdString(request.text));
    box->setWindowModality(Qt::ApplicationModal);
    switch (request.buttons) {
        case MsgButtons::Ok:
            box->setStandardButtons(QMessageBox::Ok);
            break;
        case MsgButtons::OkCancel:
            box->setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            break;
        case MsgButtons::YesNo:
            box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            break;
    }
    const MsgButtons buttons = request.buttons;
    connect(box, &QMessageBox::finished, this, [this, id, box, buttons] {
        // Escape or the close box: Cancel, or No where the box has it.
        const QMessageBox::StandardButton clicked = box->standardButton(box->clickedButton());
        MsgResult answer = MsgResult::Ok;
        if (buttons == MsgButtons::OkCancel && clicked != QMessageBox::Ok)
            answer = MsgResult::Cancel;
        if (buttons == MsgButtons::YesNo)
            answer = clicked == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
        openBoxes_.removeAll(box);
        box->deleteLater();
        app().messageBoxAnswered(id, answer);
    });
    openBoxes_.append(box);
    box->show();
}

std::int64_t QtBackend::monotonicMicros() { return alarm_.now(); }

DateTime QtBackend::localNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    return {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second(), t.msec()};
}

Locale QtBackend::locale() {
    const QLocale system = QLocale::system();
    Locale locale;
    // A name the system lacks stays English.
    const auto take = [](std::string& name, const QString& systemName) {
        if (!systemName.isEmpty()) name = systemName.toStdString();
    };
    for (int day = 0; day < 7; ++day) {
        const int qtDay = day == 0 ? 7 : day;  // Qt counts Monday 1 to Sunday 7
        take(locale.dayNames[day], system.dayName(qtDay, QLocale::LongFormat));
        take(locale.shortDayNames[day], system.dayName(qtDay, QLocale::ShortFormat));
    }
    for (int month = 0; month < 12; ++month) {
        take(locale.monthNames[month], system.monthName(month + 1, QLocale::LongFormat));
        take(locale.shortMonthNames[month], system.monthName(month + 1, QLocale::ShortFormat));
    }
    // The time separator is what stands between hours and minutes in the
    // system's short time format; a format without one keeps the colon.
    const QString format = system.timeFormat(QLocale::ShortFormat);
    const qsizetype hour = format.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
    if (hour >= 0) {
        qsizetype after = hour;
        while (after < format.size() && format[after].toLower() == QLatin1Char('h')) ++after;
        if (after < format.size() && !format[after].isLetter()) {
            locale.timeSeparator = QString(format[after]).toStdString();
        }
    }
    return locale;
}

void QtBackend::setAlarm(std::optional<std::int64_t> micros) {
    if (micros) {
        alarm_.ringAt(*micros);
    } else {
        alarm_.cancel();
    }
}

void QtBackend::programEnded() {
    alarm_.cancel();
    // A box still open goes away unanswered.
    for (const QPointer<QMessageBox>& box : std::exchange(openBoxes_, {})) {
        if (box) {
            box->disconnect(this);
            box->deleteLater();
            box->hide();
        }
    }
    // Outside the loop, Qt's exit would stay pending and close the next
    // dialog the moment it opens.
    if (looping_) QCoreApplication::exit(0);
}

}  // namespace forms::qt

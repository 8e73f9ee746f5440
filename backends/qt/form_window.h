#pragma once

#include <QHash>
#include <QWidget>

#include <memory>

#include "forms/form.h"
#include "forms/form_view.h"

namespace forms::qt {

class QtBackend;

// The top-level window of one form: it paints the drawn controls, holds the
// buttons and text boxes as real widgets in front of them, and reports the
// raw mouse and key input to the runtime.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    FormWindow(QtBackend& backend, Form& form);
    ~FormWindow() override;

    // The runtime released the form: the window only waits to be deleted.
    void detach();
    [[nodiscard]] Form* form() const { return form_; }
    // The widget that shows a button or text box.
    [[nodiscard]] QWidget* widgetOf(const Control& control) const;

    void repaintTwips(const Rect& area);
    void updateWidget(Control& control);
    void updatePointer();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyWindowProperties();
    void createWidgets();
    bool handleKey(QKeyEvent* event);

    QtBackend& backend_;
    Form* form_;
    QHash<const Control*, QWidget*> widgets_;
    QHash<const QObject*, Control*> controlOf_;
};

// The window that shows a form, or nullptr.
FormWindow* windowOf(const Form& form);
// Makes and shows the window of a form.
std::unique_ptr<FormView> makeFormView(QtBackend& backend, Form& form);

}  // namespace forms::qt

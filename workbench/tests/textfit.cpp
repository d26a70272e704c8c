#include "workbench/tests/textfit.h"

#include "common/testing/scripteddialogs.h"
#include "common/testing/temporarysettings.h"
#include "workbench/ui/aboutwindow.h"
#include "workbench/ui/workbenchwindow.h"

#include <QtWidgets>

#include <fstream>
#include <sstream>

namespace {

bool inScrollArea(const QWidget* control)
{
    for (const QWidget* outer = control->parentWidget(); outer; outer = outer->parentWidget())
        if (qobject_cast<const QScrollArea*>(outer))
            return true;
    return false;
}

int advance(const QWidget* control, const QString& text) { return control->fontMetrics().horizontalAdvance(text); }

// Room a style keeps between a push button's edges and its caption.
int buttonPadding(const QWidget* button)
{
    const QStyle* style = button->style();
    return style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button)
        + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
}

// Room a box's frame and its own margins take beside the text.
int lineEditTextWidth(const QLineEdit* box)
{
    QStyleOptionFrame option;
    option.initFrom(box);
    option.rect = box->rect();
    option.lineWidth = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, box);
    const QRect contents = box->style()->subElementRect(QStyle::SE_LineEditContents, &option, box);
    const QMargins margins = box->textMargins();
    constexpr int kBoxOwnMargin = 2;
    return contents.width() - margins.left() - margins.right() - 2 * kBoxOwnMargin;
}

void checkCaptions(const QWidget& window, std::ostringstream& misfits)
{
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        // The colour list's texts scroll in their own area.
        if (label->text().isEmpty() || inScrollArea(label))
            continue;
        // A label that wraps its words must have room for all its lines.
        if (label->wordWrap()) {
            if (label->heightForWidth(label->width()) > label->height())
                misfits << "label " << label->text().toStdString() << ": " << label->heightForWidth(label->width())
                        << " high in " << label->height() << "\n";
            continue;
        }
        const QStringList lines = label->text().split(QLatin1Char('\n'));
        int widest = 0;
        for (const QString& line : lines)
            widest = std::max(widest, advance(label, line));
        const QRect room = label->contentsRect();
        if (widest > room.width() || int(lines.size()) * label->fontMetrics().lineSpacing() > room.height() + 2)
            misfits << "label " << label->text().toStdString() << ": " << widest << " in " << room.width() << "\n";
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        const int needed = advance(button, QString(button->text()).remove(QLatin1Char('&'))) + buttonPadding(button);
        if (needed > button->width())
            misfits << "button " << button->text().toStdString() << ": " << needed << " in " << button->width() << "\n";
    }
    for (const QCheckBox* box : window.findChildren<QCheckBox*>()) {
        if (box->sizeHint().width() > box->width())
            misfits << "check box " << box->text().toStdString() << ": " << box->sizeHint().width() << " in "
                    << box->width() << "\n";
    }
}

void checkShownInFull(const QWidget& window, const char* name, const QString& text, std::ostringstream& misfits)
{
    if (auto* label = window.findChild<QLabel*>(QLatin1String(name))) {
        if (advance(label, text) > label->contentsRect().width())
            misfits << name << " " << text.toStdString() << ": " << advance(label, text) << " in "
                    << label->contentsRect().width() << "\n";
    } else if (auto* box = window.findChild<QLineEdit*>(QLatin1String(name))) {
        if (advance(box, text) > lineEditTextWidth(box))
            misfits << name << " " << text.toStdString() << ": " << advance(box, text) << " in " << lineEditTextWidth(box)
                    << "\n";
    }
}

// A drag of 1,000 points; then the counts as they would read at 999,999.
void checkCounts(tessel::Form1& form, std::ostringstream& misfits)
{
    auto* area = form.findChild<QWidget*>(QStringLiteral("Picture20"));
    const auto mouse = [area](QEvent::Type type, Qt::MouseButtons held, QPointF at = {20, 20}) {
        QMouseEvent event(type, at, area->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(area, &event);
    };
    mouse(QEvent::MouseButtonPress, Qt::LeftButton);
    for (int point = 1; point < 1000; ++point)
        mouse(QEvent::MouseMove, Qt::LeftButton);
    for (const char* name : {"Label19", "Text5"}) {
        QString shown = name == std::string("Label19") ? form.findChild<QLabel*>(QLatin1String(name))->text()
                                                      : form.findChild<QLineEdit*>(QLatin1String(name))->text();
        if (!shown.contains(QStringLiteral("1000")))
            misfits << name << " shows " << shown.toStdString() << " at 1000 points\n";
        for (const QString& count : {QStringLiteral("1000"), QStringLiteral("999999")})
            checkShownInFull(form, name, QString(shown).replace(QStringLiteral("1000"), count), misfits);
    }
    // The drag's widest positions: from the window's last pixel to itself.
    const QPointF last(274, 115);
    mouse(QEvent::MouseButtonRelease, Qt::NoButton, last);
    mouse(QEvent::MouseButtonPress, Qt::LeftButton, last);
    mouse(QEvent::MouseMove, Qt::LeftButton, last);
    const auto* drag = form.findChild<QLabel*>(QStringLiteral("Label6"));
    checkShownInFull(form, "Label6", drag->text(), misfits);
    if (!drag->text().contains(QStringLiteral("274")))
        misfits << "Label6 shows " << drag->text().toStdString() << "\n";
}

// The list of a file whose colours are all 255 shows whole lines, at least
// two, wherever the arrows scroll it, and no line needs it scrolled sideways.
void checkColourList(tessel::Form1& form, const QString& directory, std::ostringstream& misfits)
{
    const QString path = directory + QStringLiteral("/Tessel.txt");
    {
        std::ofstream file(path.toStdString(), std::ios::binary);
        for (int line = 0; line < 23; ++line)
            file << "255,255,255\r\n";
    }
    form.openColourFile(path);
    auto* view = form.findChild<QScrollArea*>();
    for (int round = 0; round < 3; ++round)
        QApplication::processEvents();
    // The pitch the label sets its 23 lines at.
    const qreal pitch = form.findChild<QLabel*>(QStringLiteral("Label4"))->sizeHint().height() / 23.0;
    const qreal shown = view->viewport()->height() / pitch;
    if (view->horizontalScrollBar()->isVisible() || shown < 2 || (shown - std::floor(shown)) * pitch >= 1)
        misfits << "colour list: " << shown << " lines shown" << (view->horizontalScrollBar()->isVisible() ? ", sideways" : "")
                << "\n";
    QScrollBar* lines = view->verticalScrollBar();
    for (int before = -1; lines->value() != before;) {
        before = lines->value();
        if (std::abs(before - std::round(before / pitch) * pitch) > 0.5)
            misfits << "colour list: scrolled to " << before << " in lines of " << pitch << "\n";
        lines->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    }
    if (lines->value() != lines->maximum())
        misfits << "colour list: the arrow stops short of the end\n";
}

} // namespace

std::string workbenchTextsThatDoNotFit()
{
    std::ostringstream misfits;
    kit::testing::ScriptedDialogs dialogs;
    kit::testing::TemporarySettings settings;
    tessel::Form1 form(dialogs, *settings);
    form.show();
    QTemporaryDir directory;
    checkColourList(form, directory.path(), misfits);
    checkCounts(form, misfits);
    checkCaptions(form, misfits);
    tessel::Form4 about;
    about.show();
    checkCaptions(about, misfits);
    return misfits.str();
}

#include "region_editor/ui/displaybox.h"

#include <QStyle>
#include <QStyleOptionFrame>

namespace plevo {
namespace {

// What QLineEdit keeps clear on either side of its text, inside its contents.
constexpr int kLineEditTextMargin = 2;
constexpr int kSmallestPixelSize = 6;

} // namespace

DisplayBox::DisplayBox(const char* name, QWidget* parent)
    : QLineEdit(parent)
{
    setObjectName(QLatin1String(name));
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    setTextMargins(0, 0, 0, 0);
    // setText leaves the cursor at the end, which scrolls a long text to its end.
    connect(this, &QLineEdit::textChanged, this, [this] {
        fitText();
        setCursorPosition(0);
    });
}

void DisplayBox::shrinkToFit(int largestPixelSize)
{
    m_largestPixelSize = largestPixelSize;
    // The text may run up to the frame: every pixel counts in a narrow box.
    setTextMargins(-kLineEditTextMargin, 0, -kLineEditTextMargin, 0);
    fitText();
}

void DisplayBox::fitText()
{
    if (m_largestPixelSize == 0)
        return;
    QStyleOptionFrame option;
    initStyleOption(&option);
    const QMargins margins = textMargins();
    const int room = style()->subElementRect(QStyle::SE_LineEditContents, &option, this).width() - margins.left()
        - margins.right() - 2 * kLineEditTextMargin;
    QFont fitted = font();
    for (int size = m_largestPixelSize; size >= kSmallestPixelSize; --size) {
        fitted.setPixelSize(size);
        // Strictly less: the line edit keeps the last pixel for its cursor.
        if (QFontMetrics(fitted).horizontalAdvance(text()) < room)
            break;
    }
    setFont(fitted);
}

} // namespace plevo

#include "workbench/ui/windowtexts.h"

#include "common/core/textconversion.h"
#include "common/ui/dialogs.h"
#include "workbench/core/colourfile.h"

#include <QLineEdit>

namespace tessel {
namespace {

const QString kMessageTitle = QStringLiteral("Tessel Editor");
constexpr qsizetype kShownTextLimit = 32767;

} // namespace

QFont textFont(int pixels)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixels);
    return font;
}

void showMessage(kit::Dialogs& dialogs, QWidget* parent, const QString& text)
{
    dialogs.message(parent, kMessageTitle, text, kit::MessageButtons::Ok, kit::MessageIcon::None);
}

void showFailure(kit::Dialogs& dialogs, QWidget* parent, const QString& text)
{
    dialogs.message(parent, kMessageTitle, text, kit::MessageButtons::Ok, kit::MessageIcon::Exclamation);
}

kit::MessageAnswer askToSave(kit::Dialogs& dialogs, QWidget* parent, const QString& what)
{
    return dialogs.message(parent, kMessageTitle, what + QStringLiteral("\r\nSave them first?"),
                           kit::MessageButtons::SaveDiscardCancel, kit::MessageIcon::Question);
}

QString readFailureText(const QString& path, const std::string& reason)
{
    return QStringLiteral("Could not read %1\r\n%2").arg(path, kit::fromSystemText(reason));
}

void showText(QLineEdit* box, std::string_view text)
{
    if (qsizetype(text.size()) <= kShownTextLimit) {
        box->setText(kit::toQString(text));
        return;
    }
    box->setText(QStringLiteral("…") + kit::toQString(text.substr(text.size() - size_t(kShownTextLimit - 1))));
}

QString numberLabel(int value) { return kit::toQString(numberText(value)); }

} // namespace tessel

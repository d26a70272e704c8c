#include "common/ui/dialogs.h"

#include "common/core/textconversion.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QRegularExpression>

namespace kit {
namespace {

QMessageBox::Icon toQt(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons toQt(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::SaveDiscardCancel: return QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
    case MessageButtons::Ok: break;
    }
    return QMessageBox::Ok;
}

MessageAnswer fromQt(int button)
{
    switch (button) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    case QMessageBox::Save: return MessageAnswer::Save;
    case QMessageBox::Discard: return MessageAnswer::Discard;
    default: return MessageAnswer::Ok;
    }
}

QString runFileDialog(QWidget* parent, const FileRequest& request, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title, request.directory);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!request.confirmOverwrite)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    QString suffix = request.defaultExtension;
    suffix.remove(QRegularExpression(QStringLiteral("^\\*?\\.")));
    if (!suffix.isEmpty() && !suffix.contains(QLatin1Char('*')))
        dialog.setDefaultSuffix(suffix);
    const QStringList filters = nameFiltersFromPipeList(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.value(request.filterIndex, filters.first()));
    }
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return recoverDecodedPath(dialog.selectedFiles().first());
}

} // namespace

MessageAnswer SystemDialogs::message(QWidget* parent, const QString& title, const QString& text,
                                     MessageButtons buttons, MessageIcon icon)
{
    QMessageBox box(toQt(icon), title, displayText(text), toQt(buttons), parent);
    return fromQt(box.exec());
}

QString SystemDialogs::openFile(QWidget* parent, const FileRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QString SystemDialogs::saveFile(QWidget* parent, const FileRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

QString SystemDialogs::chooseDirectory(QWidget* parent, const QString& title, const QString& startDirectory)
{
    return recoverDecodedPath(QFileDialog::getExistingDirectory(parent, title, startDirectory));
}

QColor SystemDialogs::chooseColour(QWidget* parent, const QColor& initial)
{
    return QColorDialog::getColor(initial, parent);
}

QStringList nameFiltersFromPipeList(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString caption = parts[i].trimmed();
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString trimmed = pattern.trimmed();
            // "*.*" names every file on Windows but only dotted names in Qt.
            patterns << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
        }
        caption.remove(trailingPatterns);
        result << QStringLiteral("%1 (%2)").arg(caption, patterns.join(QLatin1Char(' ')));
    }
    return result;
}

QString couldNotSaveText(const QString& path, const QString& reason)
{
    return QStringLiteral("Could not save %1: %2.").arg(path, reason);
}

QString displayText(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n\r|\r|\n"));
    QString shown = displayPath(text);
    return shown.replace(lineBreak, QStringLiteral("\n"));
}

} // namespace kit

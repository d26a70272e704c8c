#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

class QWidget;

namespace kit {

enum class MessageIcon { None, Information, Exclamation, Critical, Question };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, SaveDiscardCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No, Save, Discard };

// What a file dialog is opened with. The filter is the classic one-text form,
// caption and pattern pairs joined by '|' ("Bitmap Files (*.bmp)|*.bmp|").
struct FileRequest
{
    QString title;
    QString directory;
    QString fileName;
    QString filter;
    int filterIndex = 0;
    QString defaultExtension; // "*.bmp" and "bmp" mean the same
    bool confirmOverwrite = false;

    friend bool operator==(const FileRequest&, const FileRequest&) = default;
};

// Every message box and every file, directory or colour dialog of the kit's
// programs goes through this seam. Windows take it by reference so that tests can
// substitute a scripted fake and check exactly what the author would be shown.
class Dialogs
{
public:
    virtual ~Dialogs() = default;

    virtual MessageAnswer message(QWidget* parent, const QString& title, const QString& text,
                                  MessageButtons buttons, MessageIcon icon) = 0;
    // The chosen path, or an empty text when the author cancelled. A name that is
    // not valid UTF-8 comes back with its bytes where the dialog let them be found
    // again (see recoverDecodedPath).
    virtual QString openFile(QWidget* parent, const FileRequest& request) = 0;
    virtual QString saveFile(QWidget* parent, const FileRequest& request) = 0;
    virtual QString chooseDirectory(QWidget* parent, const QString& title, const QString& startDirectory) = 0;
    // The chosen colour, or an invalid colour when the author cancelled.
    virtual QColor chooseColour(QWidget* parent, const QColor& initial) = 0;
};

// The real dialogs of the desktop.
class SystemDialogs final : public Dialogs
{
public:
    MessageAnswer message(QWidget* parent, const QString& title, const QString& text,
                          MessageButtons buttons, MessageIcon icon) override;
    QString openFile(QWidget* parent, const FileRequest& request) override;
    QString saveFile(QWidget* parent, const FileRequest& request) override;
    QString chooseDirectory(QWidget* parent, const QString& title, const QString& startDirectory) override;
    QColor chooseColour(QWidget* parent, const QColor& initial) override;
};

// Qt name filters ("Bitmap Files (*.bmp)") for a '|'-joined filter text. The
// caption is kept as the author knows it; patterns that the caption does not
// already show are appended in brackets so that Qt can match them.
QStringList nameFiltersFromPipeList(const QString& filter);

// What every program says when a save fails: "Could not save <path>: <reason>."
QString couldNotSaveText(const QString& path, const QString& reason);

// How a message text is put on screen: CR LF, LF CR, a lone CR and a lone LF
// each become one line break, and the bytes of a name that is not UTF-8 show as
// displayPath shows them.
QString displayText(const QString& text);

} // namespace kit

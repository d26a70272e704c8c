#pragma once

#include <QString>

#include <string>
#include <string_view>

class QLineEdit;
class QWidget;

namespace kit {
class Dialogs;
}

// How the workbench's panels put texts in front of the author.
namespace tessel {

// A message box titled "Tessel Editor" with one OK button: a plain one, and one
// with the exclamation icon for a failure.
void showMessage(kit::Dialogs& dialogs, QWidget* parent, const QString& text);
void showFailure(kit::Dialogs& dialogs, QWidget* parent, const QString& text);

// "Could not read <path>", CR LF, and the system's reason.
QString readFailureText(const QString& path, const std::string& reason);

// Puts `text` into a read-only box. A box lays its whole text out again at
// every change, so a very long text shows its end only, where the newest
// points are, behind an ellipsis.
void showText(QLineEdit* box, std::string_view text);

// A number as the workbench writes it into its texts (numberText form).
QString numberLabel(int value);

} // namespace tessel

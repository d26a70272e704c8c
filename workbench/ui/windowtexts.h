#pragma once

#include <QFont>
#include <QString>

#include <string>
#include <string_view>

class QLineEdit;
class QWidget;

namespace kit {
class Dialogs;
enum class MessageAnswer;
}

// How the workbench's windows put texts in front of the author.
namespace tessel {

// DejaVu Sans, the face the kit installs, at `pixels` pixels. The windows
// choose their sizes so that every caption fits its place, on any desktop,
// whatever its own font: 11 for the main and about windows, a pixel smaller
// where the region buttons stand close together.
inline constexpr int kTextPixels = 11;
QFont textFont(int pixels = kTextPixels);

// A message box titled "Tessel Editor" with one OK button: a plain one, and one
// with the exclamation icon for a failure.
void showMessage(kit::Dialogs& dialogs, QWidget* parent, const QString& text);
void showFailure(kit::Dialogs& dialogs, QWidget* parent, const QString& text);

// A question titled "Tessel Editor": `what` has not been saved, and whether to
// save it, throw it away, or cancel what would throw it away.
kit::MessageAnswer askToSave(kit::Dialogs& dialogs, QWidget* parent, const QString& what);

// "Could not read <path>", CR LF, and the system's reason.
QString readFailureText(const QString& path, const std::string& reason);

// Puts `text` into a read-only box. A box lays its whole text out again at
// every change, so a very long text shows its end only, where the newest
// points are, behind an ellipsis.
void showText(QLineEdit* box, std::string_view text);

// A number as the workbench writes it into its texts (numberText form).
QString numberLabel(int value);

} // namespace tessel

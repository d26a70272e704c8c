#pragma once

#include "common/ui/dialogs.h"

#include <deque>
#include <vector>

namespace kit::testing {

// One call that a window made through the dialog seam, as the author would have seen it.
struct DialogCall
{
    enum class Kind { Message, OpenFile, SaveFile, ChooseDirectory, ChooseColour };
    Kind kind = Kind::Message;
    QString title;
    QString text;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    FileRequest file;
    QString startDirectory;
    QColor initialColour;
};

// A stand-in for the desktop's dialogs. Tests queue the answers in the order the
// window will ask for them; every call is recorded. A call that finds no scripted
// answer fails the running test and gets the harmless answer (Cancel or No where
// the box offers it, otherwise Ok; an empty path; an invalid colour).
class ScriptedDialogs final : public Dialogs
{
public:
    ScriptedDialogs& answer(MessageAnswer answer);
    ScriptedDialogs& choosePath(const QString& path); // for open, save and directory dialogs
    ScriptedDialogs& cancelPath();
    ScriptedDialogs& chooseColour(const QColor& colour);

    MessageAnswer message(QWidget* parent, const QString& title, const QString& text,
                          MessageButtons buttons, MessageIcon icon) override;
    QString openFile(QWidget* parent, const FileRequest& request) override;
    QString saveFile(QWidget* parent, const FileRequest& request) override;
    QString chooseDirectory(QWidget* parent, const QString& title, const QString& startDirectory) override;
    QColor chooseColour(QWidget* parent, const QColor& initial) override;

    const std::vector<DialogCall>& calls() const { return m_calls; }
    const DialogCall& lastCall() const;
    // The message calls only, in order.
    std::vector<DialogCall> messages() const;
    bool unanswered() const { return m_answers.empty() && m_paths.empty() && m_colours.empty(); }
    void clear();

private:
    QString nextPath(const char* what);

    std::vector<DialogCall> m_calls;
    std::deque<MessageAnswer> m_answers;
    std::deque<QString> m_paths;
    std::deque<QColor> m_colours;
};

} // namespace kit::testing

#include "common/testing/scripteddialogs.h"

#include <gtest/gtest.h>

namespace kit::testing {

ScriptedDialogs& ScriptedDialogs::answer(MessageAnswer answer)
{
    m_answers.push_back(answer);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::choosePath(const QString& path)
{
    m_paths.push_back(path);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::cancelPath() { return choosePath(QString()); }

ScriptedDialogs& ScriptedDialogs::chooseColour(const QColor& colour)
{
    m_colours.push_back(colour);
    return *this;
}

MessageAnswer ScriptedDialogs::message(QWidget*, const QString& title, const QString& text,
                                       MessageButtons buttons, MessageIcon icon)
{
    DialogCall call;
    call.kind = DialogCall::Kind::Message;
    call.title = title;
    call.text = text;
    call.buttons = buttons;
    call.icon = icon;
    m_calls.push_back(call);
    if (!m_answers.empty()) {
        const MessageAnswer answer = m_answers.front();
        m_answers.pop_front();
        return answer;
    }
    if (buttons != MessageButtons::Ok)
        ADD_FAILURE() << "unscripted message box \"" << title.toStdString() << "\": " << text.toStdString();
    switch (buttons) {
    case MessageButtons::Ok: return MessageAnswer::Ok;
    case MessageButtons::YesNo: return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
    case MessageButtons::SaveDiscardCancel: break;
    }
    return MessageAnswer::Cancel;
}

QString ScriptedDialogs::nextPath(const char* what)
{
    if (m_paths.empty()) {
        ADD_FAILURE() << "unscripted " << what << " dialog";
        return {};
    }
    QString path = m_paths.front();
    m_paths.pop_front();
    return path;
}

QString ScriptedDialogs::openFile(QWidget*, const FileRequest& request)
{
    DialogCall call;
    call.kind = DialogCall::Kind::OpenFile;
    call.title = request.title;
    call.file = request;
    m_calls.push_back(call);
    return nextPath("open-file");
}

QString ScriptedDialogs::saveFile(QWidget*, const FileRequest& request)
{
    DialogCall call;
    call.kind = DialogCall::Kind::SaveFile;
    call.title = request.title;
    call.file = request;
    m_calls.push_back(call);
    return nextPath("save-file");
}

QString ScriptedDialogs::chooseDirectory(QWidget*, const QString& title, const QString& startDirectory)
{
    DialogCall call;
    call.kind = DialogCall::Kind::ChooseDirectory;
    call.title = title;
    call.startDirectory = startDirectory;
    m_calls.push_back(call);
    return nextPath("directory");
}

QColor ScriptedDialogs::chooseColour(QWidget*, const QColor& initial)
{
    DialogCall call;
    call.kind = DialogCall::Kind::ChooseColour;
    call.initialColour = initial;
    m_calls.push_back(call);
    if (m_colours.empty()) {
        ADD_FAILURE() << "unscripted colour dialog";
        return {};
    }
    const QColor colour = m_colours.front();
    m_colours.pop_front();
    return colour;
}

const DialogCall& ScriptedDialogs::lastCall() const
{
    static const DialogCall none;
    if (m_calls.empty()) {
        ADD_FAILURE() << "no dialog was shown";
        return none;
    }
    return m_calls.back();
}

std::vector<DialogCall> ScriptedDialogs::messages() const
{
    std::vector<DialogCall> result;
    for (const DialogCall& call : m_calls)
        if (call.kind == DialogCall::Kind::Message)
            result.push_back(call);
    return result;
}

void ScriptedDialogs::clear()
{
    m_calls.clear();
    m_answers.clear();
    m_paths.clear();
    m_colours.clear();
}

} // namespace kit::testing

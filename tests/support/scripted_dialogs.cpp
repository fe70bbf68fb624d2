#include "scripted_dialogs.h"

namespace kalmora::testsupport
{

void ScriptedDialogs::message(QWidget *parent, const QString &text, const QString &title)
{
    Call call;
    call.kind = Kind::Message;
    call.parent = parent;
    call.text = text;
    call.title = title;
    m_calls.append(call);
}

QString ScriptedDialogs::input(QWidget *parent, const QString &prompt, const QString &title, const QString &defaultText)
{
    Call call;
    call.kind = Kind::Input;
    call.parent = parent;
    call.text = prompt;
    call.title = title;
    call.defaultText = defaultText;
    m_calls.append(call);
    return m_inputs.isEmpty() ? QString() : m_inputs.dequeue();
}

QString ScriptedDialogs::openFile(
    QWidget *parent, const QString &title, const QStringList &filters, const QString &initialFolder)
{
    Call call;
    call.kind = Kind::OpenFile;
    call.parent = parent;
    call.title = title;
    call.filters = filters;
    call.initialFolder = initialFolder;
    m_calls.append(call);
    return m_files.isEmpty() ? QString() : m_files.dequeue();
}

std::int64_t ScriptedDialogs::chooseColour(QWidget *parent, std::uint32_t colour)
{
    Call call;
    call.kind = Kind::Colour;
    call.parent = parent;
    call.colour = colour;
    m_calls.append(call);
    return m_colours.isEmpty() ? -1 : m_colours.dequeue();
}

QList<ScriptedDialogs::Call> ScriptedDialogs::calls(Kind kind) const
{
    QList<Call> result;
    for (const Call &call : m_calls) {
        if (call.kind == kind)
            result.append(call);
    }
    return result;
}

QStringList ScriptedDialogs::messages() const
{
    QStringList texts;
    for (const Call &call : m_calls) {
        if (call.kind == Kind::Message)
            texts << call.text;
    }
    return texts;
}

void ScriptedDialogs::clear()
{
    m_calls.clear();
    m_inputs.clear();
    m_files.clear();
    m_colours.clear();
}

} // namespace kalmora::testsupport

#pragma once
// A Dialogs for tests: shows nothing, records every call with its arguments, and answers from
// queues the test fills beforehand. With an empty queue it answers as a user pressing Cancel would
// (an empty text, -1 for a colour).

#include "platform/dialogs.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <cstdint>

namespace kalmora::testsupport
{

class ScriptedDialogs final : public platform::Dialogs
{
public:
    enum class Kind { Message, Input, OpenFile, Colour };

    // One call as the program made it.
    struct Call {
        Kind kind = Kind::Message;
        QWidget *parent = nullptr;
        QString text; // message text, input prompt
        QString title;
        QString defaultText; // input default text
        QStringList filters; // open-file filters
        QString initialFolder; // open-file folder
        std::uint32_t colour = 0; // colour dialog start colour
    };

    void message(QWidget *parent, const QString &text, const QString &title) override;
    QString input(QWidget *parent, const QString &prompt, const QString &title, const QString &defaultText) override;
    QString openFile(
        QWidget *parent, const QString &title, const QStringList &filters, const QString &initialFolder) override;
    std::int64_t chooseColour(QWidget *parent, std::uint32_t colour) override;

    // Answers for the next calls, first in first out.
    void queueInput(const QString &text) { m_inputs.enqueue(text); }
    void queueOpenFile(const QString &path) { m_files.enqueue(path); }
    void queueColour(std::int64_t colour) { m_colours.enqueue(colour); }

    const QList<Call> &calls() const { return m_calls; }
    QList<Call> calls(Kind kind) const;
    // The texts of the messages shown, in order.
    QStringList messages() const;
    // The last call, or nullptr when there was none.
    const Call *lastCall() const { return m_calls.isEmpty() ? nullptr : &m_calls.last(); }
    void clear();

    // Unused answers left in the queues (a test can check that every answer was asked for).
    qsizetype pendingAnswers() const { return m_inputs.size() + m_files.size() + m_colours.size(); }

private:
    QList<Call> m_calls;
    QQueue<QString> m_inputs;
    QQueue<QString> m_files;
    QQueue<std::int64_t> m_colours;
};

} // namespace kalmora::testsupport

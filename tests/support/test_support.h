#pragma once

// Helpers shared by the tests: a temporary working folder, a presenter that
// records messages instead of showing them, readable QString failures.

#include "data/error_service.h"

#include <QString>
#include <QTemporaryDir>
#include <deque>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QByteArray& b, std::ostream* os)
{
    *os << b.toHex().toStdString();
}

namespace kv::test {

// Records every message; answers questions from a queue (default answer
// when it is empty). Fatal messages are recorded and do not end the process.
class RecordingPresenter : public MessagePresenter {
public:
    Answer present(const Message& message) override;

    std::vector<Message> messages;
    std::deque<Answer> answers;

    std::vector<QString> titles() const;
    void clear() { messages.clear(); }
};

// An error service wired to a recorder, for one test.
struct RecordedErrors {
    RecordedErrors();
    ErrorService errors;
    RecordingPresenter presenter;
    int fatalCount = 0;
};

// A fresh temporary folder for the data files of one test.
class TempFolder {
public:
    TempFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

} // namespace kv::test

#include "tests/support/test_support.h"

namespace kv::test {

Answer RecordingPresenter::present(const Message& message)
{
    messages.push_back(message);
    if (answers.empty()) {
        return message.defaultAnswer;
    }
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

std::vector<QString> RecordingPresenter::titles() const
{
    std::vector<QString> out;
    for (const Message& m : messages) {
        out.push_back(m.title);
    }
    return out;
}

RecordedErrors::RecordedErrors()
{
    errors.setPresenter(&presenter);
    errors.setFatalHandler([this] { ++fatalCount; });
}

TempFolder::TempFolder()
{
    EXPECT_TRUE(dir_.isValid());
}

} // namespace kv::test

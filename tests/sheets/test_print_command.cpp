// kvadmin print: a subject's sheet written as a PDF without any window.

#include "app/admin/admin_commands.h"
#include "app/admin/demo_school.h"
#include "tests/support/admin_runner.h"
#include "tests/support/test_support.h"

#include <QFile>
#include <cstdio>
#include <gtest/gtest.h>
#include <memory>

namespace kv {
namespace {

struct Outcome {
    int status;
    QString err;
};

Outcome kvadmin(const QStringList& args)
{
    const test::AdminOutcome o = test::runAdmin(QString(), args);
    return {o.code, o.err};
}

class SheetPrintCommand : public ::testing::Test {
protected:
    SheetPrintCommand()
    {
        admin::DemoSummary summary;
        QString error;
        EXPECT_TRUE(admin::createDemoSchool(dir.path(), &summary, &error)) << error.toStdString();
    }
    test::TempFolder dir;
};

TEST_F(SheetPrintCommand, WritesBothSheetsOfASubjectAsPdf)
{
    for (const char* sheet : {"progress", "contents"}) {
        SCOPED_TRACE(sheet);
        const QString pdf = dir.file(QStringLiteral("%1.pdf").arg(QLatin1String(sheet)));
        const Outcome run = kvadmin({"--dir", dir.path(), "print", sheet, "101", pdf});
        EXPECT_EQ(run.status, 0) << run.err.toStdString();
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.read(5), QByteArray("%PDF-"));
    }
}

TEST_F(SheetPrintCommand, FailsWithoutWritingWhenThereIsNothingToPrint)
{
    const struct {
        QStringList args;
        QString says;
    } cases[] = {
        // Subject 103 has grade-book rows but no catalogue, so no tracking rows.
        {{"print", "contents", "103"}, "no records"},
        {{"print", "progress", "999"}, "no subject 999"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const QString pdf = dir.file(QStringLiteral("out.pdf"));
        const Outcome run = kvadmin(QStringList {"--dir", dir.path()} + c.args + QStringList {pdf});
        EXPECT_EQ(run.status, 1);
        EXPECT_TRUE(run.err.contains(c.says)) << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(pdf));
    }
}

} // namespace
} // namespace kv

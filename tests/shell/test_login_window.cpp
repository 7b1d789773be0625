// The login: D.N.I. lookup, the date of birth as password, and "Salir".

#include "data/files/kvmaterias.h"
#include "shell/login_window.h"
#include "shell/typed_entry.h"
#include "tests/support/gui_support.h"
#include "tests/support/test_support.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace kv {
namespace {

class LoginTest : public ::testing::Test {
protected:
    LoginTest()
    {
        app.errors.setPresenter(&recorder);
        app.procedures.trackingWindow = [this](AppState& a) {
            ++trackingCalls;
            subjectAtCall = a.dict.kvmaterias.buffer.text(KVM::MATERIA);
            requestAtCall = a.globalRequest;
        };
    }

    void addSubject(const QString& materia, std::int32_t dni, const QString& teacher, Date birth)
    {
        Record& m = app.dict.kvmaterias.buffer;
        m.clear();
        m.setText(KVM::MATERIA, materia);
        m.setInteger(KVM::DNI_DOCENTE, dni);
        m.setText(KVM::PROFESOR, teacher);
        m.setDate(KVM::KVP_FECHANAC, birth);
        ASSERT_EQ(app.dict.kvmaterias.access.insert(), Status::Ok);
        m.clear();
    }

    // Types a D.N.I. and accepts it with Enter.
    void enterDni(LoginWindow& w, const QString& dni)
    {
        w.dniEntry()->setFocus();
        w.dniEntry()->clear();
        QTest::keyClicks(w.dniEntry(), dni);
        QTest::keyClick(w.dniEntry(), Qt::Key_Return);
    }

    void enterDate(LoginWindow& w, const QString& date)
    {
        w.dateEntry()->setFocus();
        w.dateEntry()->setText(date);
        QTest::mouseClick(w.acceptDate(), Qt::LeftButton);
    }

    test::TempFolder folder;
    test::RecordingPresenter recorder;
    AppState app {folder.path()};
    int trackingCalls = 0;
    QString subjectAtCall;
    int requestAtCall = -1;
};

TEST_F(LoginTest, KnownDniAsksForTheDateAndTheRightDateOpensTheTrackingWindow)
{
    addSubject(QStringLiteral("Matemática"), 20345678, QStringLiteral("GONZÁLEZ, María"), {14, 3, 1978});
    LoginWindow w(app);
    bool closedAfterTracking = false;
    test::runWindow(w, [&] {
        EXPECT_TRUE(w.acceptDate()->isHidden());
        enterDni(w, QStringLiteral("20345678"));
        EXPECT_TRUE(w.dniEntry()->isHidden());
        EXPECT_TRUE(w.dniLabel()->isHidden());
        EXPECT_TRUE(w.acceptDni()->isHidden());
        EXPECT_FALSE(w.acceptDate()->isHidden());
        EXPECT_FALSE(w.dateEntry()->isHidden());
        EXPECT_FALSE(w.passwordLabel()->isHidden());
        EXPECT_EQ(w.teacherText()->text(), QStringLiteral("GONZÁLEZ, María"));
        EXPECT_EQ(app.auxiliarDocente.size(), 80);
        EXPECT_EQ(QApplication::focusWidget(), w.dateEntry());
        // Same place the D.N.I. "Aceptar" had.
        EXPECT_EQ(w.acceptDate()->x(), w.acceptDni()->x());

        enterDate(w, QStringLiteral("15/03/1978"));
        EXPECT_EQ(trackingCalls, 0);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.dateEntry()->text(), QStringLiteral("15/03/1978"));
        enterDate(w, QStringLiteral("14/03/1978"));
        closedAfterTracking = !w.isVisible();
    });
    EXPECT_EQ(trackingCalls, 1);
    EXPECT_EQ(subjectAtCall, QStringLiteral("Matemática"));
    EXPECT_EQ(requestAtCall, 0);
    EXPECT_TRUE(closedAfterTracking);
    EXPECT_TRUE(recorder.messages.empty());
}

TEST_F(LoginTest, UnknownDniShowsTheTextAndZeroChangesNothing)
{
    addSubject(QStringLiteral("Lengua"), 111, QStringLiteral("PÉREZ, Ana"), {1, 1, 1980});
    LoginWindow w(app);
    test::runWindow(w, [&] {
        enterDni(w, QStringLiteral("0"));
        EXPECT_TRUE(w.teacherText()->isHidden());
        enterDni(w, QStringLiteral("999"));
        EXPECT_FALSE(w.teacherText()->isHidden());
        EXPECT_EQ(w.teacherText()->text(), QStringLiteral("D.N.I. Docente No encontrado ....."));
        EXPECT_FALSE(w.dniEntry()->isHidden());
        EXPECT_TRUE(w.acceptDate()->isHidden());
        const int notFoundY = w.teacherText()->y();
        // A later successful lookup shows the name higher up, not the message.
        enterDni(w, QStringLiteral("111"));
        EXPECT_EQ(w.teacherText()->text(), QStringLiteral("PÉREZ, Ana"));
        EXPECT_LT(w.teacherText()->y(), notFoundY);
    });
    EXPECT_EQ(trackingCalls, 0);
}

TEST_F(LoginTest, SeveralSubjectsOfOneTeacherUseTheFirstInKeyOrder)
{
    addSubject(QStringLiteral("Otra docente"), 500, QStringLiteral("LUNA, Rosa"), {2, 2, 1970});
    addSubject(QStringLiteral("Ciencias"), 777, QStringLiteral("RÍOS, Juan"), {5, 6, 1985});
    addSubject(QStringLiteral("Artística"), 777, QStringLiteral("RÍOS, Juan (bis)"), {9, 9, 1999});
    LoginWindow w(app);
    test::runWindow(w, [&] {
        enterDni(w, QStringLiteral("777"));
        EXPECT_EQ(w.teacherText()->text(), QStringLiteral("RÍOS, Juan"));
        enterDate(w, QStringLiteral("09/09/1999")); // the second subject's date is not the password
        EXPECT_EQ(trackingCalls, 0);
        enterDate(w, QStringLiteral("05/06/1985"));
    });
    EXPECT_EQ(trackingCalls, 1);
    EXPECT_EQ(subjectAtCall, QStringLiteral("Ciencias"));
}

TEST_F(LoginTest, AnEmptyBirthDateIsMatchedByAnEmptyEntryAndABadDateNeverLogsIn)
{
    addSubject(QStringLiteral("Música"), 4242, QStringLiteral("SOSA, Mercedes"), {});
    LoginWindow w(app);
    test::runWindow(w, [&] {
        enterDni(w, QStringLiteral("4242"));
        enterDate(w, QStringLiteral("31/02/2000"));
        EXPECT_EQ(trackingCalls, 0);
        enterDate(w, QString());
    });
    EXPECT_EQ(trackingCalls, 1);
}

TEST_F(LoginTest, TypedInputThatIsNotANumberIsNeverTaken)
{
    addSubject(QStringLiteral("Lengua"), 123, QStringLiteral("PÉREZ, Ana"), {1, 1, 1980});
    LoginWindow w(app);
    test::runWindow(w, [&] {
        w.dniEntry()->setFocus();
        QTest::keyClicks(w.dniEntry(), QStringLiteral("12a3"));
        EXPECT_EQ(w.dniEntry()->text(), QStringLiteral("123")); // the letter is refused as typed
        w.dniEntry()->setText(QStringLiteral("99999999999")); // more than 32 bits hold
        QTest::keyClick(w.dniEntry(), Qt::Key_Return);
        EXPECT_TRUE(w.teacherText()->isHidden());
        EXPECT_FALSE(w.dniEntry()->isHidden());
    });
    EXPECT_EQ(trackingCalls, 0);
}

TEST_F(LoginTest, SalirClosesWithoutLoggingInAndTheWindowNamesItself)
{
    addSubject(QStringLiteral("Lengua"), 123, QStringLiteral("PÉREZ, Ana"), {1, 1, 1980});
    LoginWindow w(app);
    QString nameWhileOpen;
    int usesWhileOpen = 0;
    test::runWindow(w, [&] {
        nameWhileOpen = app.errors.procedureName();
        usesWhileOpen = app.dict.kvmaterias.relate.useCount();
        enterDni(w, QStringLiteral("123"));
        QTest::mouseClick(w.exitButton(), Qt::LeftButton);
        EXPECT_FALSE(w.isVisible());
    });
    EXPECT_EQ(trackingCalls, 0);
    EXPECT_EQ(nameWhileOpen, QStringLiteral("Main"));
    EXPECT_EQ(usesWhileOpen, 1);
    EXPECT_EQ(app.dict.kvmaterias.relate.useCount(), 0);
    EXPECT_EQ(app.errors.procedureName(), QString());
    EXPECT_EQ(app.globalResponse, RequestCancelled);
}

} // namespace
} // namespace kv

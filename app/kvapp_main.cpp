// KVAPP: the teacher's program. Data files and KVAPP.INI are in the working folder.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel placeholder(QStringLiteral("KVAPP"));
    placeholder.show();
    return app.exec();
}

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Lorvane"));
    window.resize(786, 552);
    window.show();
    return app.exec();
}

// The least a Qt Widgets program can do to look like this one at start: one empty dialog,
// then one empty main window of the same sizes, then quit. With --text, each shows one line
// of text, so that the cost of drawing any text at all (fonts, shaping) can be seen apart.

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const bool text = QCoreApplication::arguments().contains(QStringLiteral("--text"));
    {
        QDialog dialog;
        dialog.resize(251, 91);
        if (text)
            new QLabel(QStringLiteral("Game Title"), &dialog);
        dialog.exec();
    }
    QMainWindow window;
    window.resize(400, 494);
    if (text)
        window.setCentralWidget(new QLabel(QStringLiteral("Game Title")));
    window.show();
    return app.exec();
}

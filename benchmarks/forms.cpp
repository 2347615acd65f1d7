// The program's two start-up forms, the title dialog and the main window, set up and shown
// with none of the program's own code: what Qt costs for these windows as they are drawn.

#include "ui_MainWindow.h"
#include "ui_optionsDialog.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    {
        QDialog dialog;
        Ui::optionsDialog form;
        form.setupUi(&dialog);
        dialog.exec();
    }
    QMainWindow window;
    Ui::MainWindow form;
    form.setupUi(&window);
    window.show();
    return app.exec();
}

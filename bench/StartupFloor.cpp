// The floor for the start-up bench: a minimal Qt program that shows one empty dialog.
#include <QApplication>
#include <QDialog>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QDialog dialog;
    dialog.exec();
    return 0;
}

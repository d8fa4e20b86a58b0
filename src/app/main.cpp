#include <QApplication>
#include <QMessageBox>

// The desktop program; its windows come with the desktop shell.
int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMessageBox::information(nullptr, QStringLiteral("Korbelant"),
                             QStringLiteral("Die Fensteroberfläche ist noch nicht verfügbar. Bitte verwenden Sie korbelant-cli."));
    return 0;
}

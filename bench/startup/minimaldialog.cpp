// The smallest Qt dialog program worth comparing start-up with: one label and
// one button, default font, nothing else.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QDialog dialog;
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(new QLabel(QStringLiteral("Minimal dialog"), &dialog));
    auto* close = new QPushButton(QStringLiteral("Close"), &dialog);
    QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::reject);
    layout->addWidget(close);
    return dialog.exec();
}

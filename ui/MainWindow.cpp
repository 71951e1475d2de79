#include "ui/MainWindow.h"

#include "ui/UiText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tombrel {

MainWindow::MainWindow(Language lang, bool extendedMode, QWidget* parent)
    : QDialog(parent), lang_(lang), extendedMode_(extendedMode) {
    setWindowTitle(uiText(msg::MainWindowTitle, lang));
    setWindowFlags(windowFlags() | Qt::WindowMinimizeButtonHint);

    auto* version = new QLabel(QStringLiteral("Version " TOMBREL_VERSION), this);
    auto* exitButton = new QPushButton(uiText(msg::Exit, lang), this);
    setControlId(exitButton, 1);
    // Enter in the window must not leave the program.
    exitButton->setAutoDefault(false);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* top = new QHBoxLayout;
    top->addWidget(version);
    top->addStretch();
    top->addWidget(exitButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addStretch();
    resize(900, 600);
}

} // namespace tombrel

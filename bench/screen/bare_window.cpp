// The baseline of Quillby's start-up: a bare Qt main window holding an empty four-column
// QTableWidget, built as its own program (it loads Qt Widgets only, none of the libraries
// Quillby also needs), shown on the screen as Quillby's main window is.
#include <QApplication>
#include <QMainWindow>
#include <QTableWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    auto* grid = new QTableWidget(0, 4, &window);
    grid->setHorizontalHeaderLabels({QStringLiteral("School Test Date"), QStringLiteral("Words"),
                                     QStringLiteral("Tests"), QString()});
    window.setCentralWidget(grid);
    window.resize(560, 400);
    window.show();
    return app.exec();
}

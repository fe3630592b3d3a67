#include "GuiTestUtil.h"

#include <QAbstractButton>
#include <QTest>

ModalHandler::ModalHandler(const char* className, Action action)
{
    const QByteArray wanted(className);
    timer_.setInterval(10);
    QObject::connect(&timer_, &QTimer::timeout, [this, wanted, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible() || modal->property("handledByTest").toBool())
            return;
        if (wanted != modal->metaObject()->className())
            return;
        modal->setProperty("handledByTest", true);
        ++handled_;
        action(modal);
    });
    timer_.start();
}

ModalHandler::~ModalHandler() { timer_.stop(); }

void ClickButton(QWidget* window, const char* name)
{
    auto* button = Child<QAbstractButton>(window, name);
    QTest::mouseClick(button, Qt::LeftButton);
}

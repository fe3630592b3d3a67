#include "GuiTestSupport.h"

#include "Sound.h"
#include "SoundModule.h"

#include <QAccessible>
#include <QApplication>
#include <QPalette>
#include <QStyleFactory>
#include <QWidget>
#include <gtest/gtest.h>

int RunGuiTests(int argc, char** argv)
{
    // The test programs are not beside plugins/: they load the build's sound module.
    return RunGuiTestsWithSoundModule(argc, argv, QStringLiteral(QUILLBY_AUDIO_MODULE));
}

int RunGuiTestsWithSoundModule(int argc, char** argv, const QString& soundModule)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    InitSound();
    SetSoundModulePath(soundModule);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    CloseRecorder();
    StopPlaying();
    ReleaseSound();
    return result;
}

QString SpokenName(QWidget* control)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(control);
    return iface ? iface->text(QAccessible::Name) : QString();
}

void UseDarkPaletteIfAsked()
{
    if (!qEnvironmentVariableIsSet("QUILLBY_SHOTS_DARK"))
        return;
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette dark;
    const QColor window(45, 45, 48), base(30, 30, 32), text(230, 230, 230);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::ToolTipBase, base);
    dark.setColor(QPalette::ToolTipText, text);
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(110, 170, 255));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(120, 120, 120));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(120, 120, 120));
    QApplication::setPalette(dark);
}

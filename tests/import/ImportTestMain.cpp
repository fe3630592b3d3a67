// The import's suites need fonts (the pictures of word sheets): a QGuiApplication, offscreen
// unless the environment says otherwise (gtest_discover_tests runs without CTest's).
#include "PictureReader.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    SetOcrModulePath(QStringLiteral(QUILLBY_OCR_MODULE));
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include <QCoreApplication>
#include <gtest/gtest.h>

// The session suites need no screen: an application object lets pending events run.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

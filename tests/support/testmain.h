#pragma once
// Test entry that runs the suite under our own application object, so the idle notification,
// the standard error report and the form list behave as in the program.
#include "platform/application.h"
#include "platform/messageboxes.h"

#include <QTest>

#define SETUP_TEST_MAIN(TestClass)                                                                                     \
    int main(int argc, char **argv)                                                                                    \
    {                                                                                                                  \
        TApplication app(argc, argv);                                                                                  \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                                       \
        /* No box may ever wait for a person in a test run: unanswered boxes say Cancel. */                           \
        if (!MessageBoxes::hasResponder())                                                                             \
            MessageBoxes::setResponder([](const MessageBoxRequest &) { return int(MessageBoxAnswer::Cancel); });      \
        TestClass tc;                                                                                                  \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&tc, argc, argv);                                                                          \
    }

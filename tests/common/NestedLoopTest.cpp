#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QObject>
#include <memory>
#include "common/NestedLoop.h"

TEST(NestedLoop, WorkWaitsForTheLastOpenLoopAndRunsInOrderFromTheOuterLoop) {
    QObject context;
    QString ran;
    NestedLoop::runOutside(&context, [&] { ran += "a"; });
    EXPECT_EQ(ran, "a") << "no loop open: at once";
    {
        const NestedLoop::Guard dialog;
        NestedLoop::runOutside(&context, [&] { ran += "b"; });
        {
            const NestedLoop::Guard questionOverIt;
            NestedLoop::runOutside(&context, [&] { ran += "c"; });
        }
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(ran, "a") << "the dialog is still open";
        EXPECT_TRUE(NestedLoop::running());
    }
    EXPECT_EQ(ran, "a") << "not inside the stack that opened the dialog";
    NestedLoop::runOutside(&context, [&] { ran += "d"; });
    EXPECT_EQ(ran, "a") << "behind the waiting work";
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(ran, "abcd");
    EXPECT_FALSE(NestedLoop::running());
}

TEST(NestedLoop, WorkOfAGoneContextIsDroppedAndAnotherLoopOpeningFirstHoldsTheRest) {
    auto gone = std::make_unique<QObject>();
    QObject kept;
    QString ran;
    {
        const NestedLoop::Guard menu;
        NestedLoop::runOutside(gone.get(), [&] { ran += "gone"; });
        NestedLoop::runOutside(&kept, [&] { ran += "kept"; });
    }
    gone.reset();
    {
        // A dialog opened before the outer loop ran the waiting work.
        const NestedLoop::Guard dialog;
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(ran, "");
    }
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(ran, "kept");
}

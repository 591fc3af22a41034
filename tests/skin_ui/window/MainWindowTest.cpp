#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

#include "skin_ui/MainWindow.h"
#include "support/RecordingSkinHost.h"

TEST(MainWindow, StartsSmallAndCentredAndTogglesBetweenItsTwoSizes) {
    RecordingSkinHost host;
    MainWindow window(host, host.context);
    window.create();
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(window.currentWidth(), 30);
    EXPECT_EQ(window.currentHeight(), 30);
    EXPECT_EQ(window.pos(), QPoint((screen.width() - 30) / 2, (screen.height() - 30) / 2));
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(window.windowFlags() & Qt::WindowDoesNotAcceptFocus);

    window.setCollapsedSize(285, 45);
    window.setExpandedSize(285, 210);
    const QPoint corner = window.pos();

    EXPECT_TRUE(window.toggleExpanded());
    EXPECT_EQ(window.size(), QSize(285, 210));
    EXPECT_EQ(window.pos(), corner) << "the top-left corner stays";
    EXPECT_FALSE(window.toggleExpanded());
    EXPECT_EQ(window.size(), QSize(285, 45));
    EXPECT_EQ(window.getExpandedHeight(), 210);
    EXPECT_EQ(window.getCollapsedWidth(), 285);
}

TEST(MainWindow, DeclinesTheSystemCloseItselfSoTheApplicationDecides) {
    // The close is turned into saveAll + quit; the window must not vanish on its own.
    RecordingSkinHost host;
    MainWindow window(host, host.context);
    window.create();
    QCloseEvent close;
    QCoreApplication::sendEvent(&window, &close);
    EXPECT_FALSE(close.isAccepted());
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(host.closes, 1) << "the host decides";
}

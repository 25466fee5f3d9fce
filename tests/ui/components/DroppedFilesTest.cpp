// Files dropped on a window.
#include "ui/components/DroppedFiles.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<QMimeData> Drag(const QList<QUrl>& urls)
{
    auto data = std::make_unique<QMimeData>();
    data->setUrls(urls);
    return data;
}

bool Enter(QWidget& target, const QMimeData& data)
{
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &enter);
    return enter.isAccepted();
}

// A drag enters the window, then drops: the way the desktop delivers a drop.
bool Drop(QWidget& target, const QMimeData& data, QPoint at)
{
    Enter(target, data);
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&target, &drop);
    return drop.isAccepted();
}

}  // namespace

TEST(DroppedFilesTest, LocalFilesOfADropInTheirOrder)
{
    QWidget window;
    window.resize(300, 200);
    TDragDropFiles dropTarget(&window);
    EXPECT_TRUE(window.acceptDrops());
    QStringList dropped;
    QObject::connect(&dropTarget, &TDragDropFiles::DragDropFiles, [&](const QStringList& names) { dropped = names; });

    const auto files = Drag({QUrl::fromLocalFile("/kits/b kit.tsy"), QUrl("https://www.example.org/a.tsy"),
                             QUrl::fromLocalFile("/kits/a.tsy"), QUrl::fromLocalFile("/kits/c.tsy")});
    EXPECT_TRUE(Drop(window, *files, QPoint(40, 30)));
    EXPECT_EQ(dropped, (QStringList{"/kits/b kit.tsy", "/kits/a.tsy", "/kits/c.tsy"}));
    EXPECT_EQ(dropTarget.DroppedFiles(), dropped);
    EXPECT_EQ(dropTarget.DropPoint(), QPoint(40, 30));
    EXPECT_TRUE(dropTarget.DroppedInClient());

    // A drag of web addresses only is turned away and reports nothing.
    dropped.clear();
    const auto web = Drag({QUrl("https://www.example.org/a.tsy")});
    EXPECT_FALSE(Enter(window, *web));
    EXPECT_FALSE(Drop(window, *web, QPoint(1, 1)));
    EXPECT_TRUE(dropped.isEmpty());
    EXPECT_EQ(dropTarget.DroppedFiles().size(), 3);

    // A drop that the owner passes on from outside its client area.
    EXPECT_TRUE(Drop(window, *files, QPoint(310, 30)));
    EXPECT_FALSE(dropTarget.DroppedInClient());
}

TEST(DroppedFilesTest, DisabledTargetIgnoresDrops)
{
    QWidget window;
    TDragDropFiles dropTarget(&window);
    int drops = 0;
    QObject::connect(&dropTarget, &TDragDropFiles::DragDropFiles, [&] { ++drops; });
    dropTarget.SetEnabled(false);
    EXPECT_FALSE(window.acceptDrops());
    const auto files = Drag({QUrl::fromLocalFile("/kits/a.tsy")});
    EXPECT_FALSE(Enter(window, *files));
    EXPECT_FALSE(Drop(window, *files, QPoint(1, 1)));
    EXPECT_EQ(drops, 0);

    dropTarget.SetEnabled(true);
    EXPECT_TRUE(window.acceptDrops());
    EXPECT_TRUE(Drop(window, *files, QPoint(1, 1)));
    EXPECT_EQ(drops, 1);
}

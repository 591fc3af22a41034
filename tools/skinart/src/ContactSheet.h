#pragma once

#include <QImage>
#include <QString>

#include <vector>

// One sheet showing every picture of every size class at 1x and at 4x (nearest neighbour) on
// the window background, labelled, so the whole set can be judged side by side.
class ContactSheet {
public:
    void add(int sizeClass, const QString& name, const QImage& picture);
    // A picture of the pieces put together, shown at 1x below the table.
    void setInUse(const QImage& preview);
    QImage render() const;

private:
    struct Entry {
        QString name;
        QImage pictures[3];
    };

    std::vector<Entry> entries_;
    QImage inUse_;
};

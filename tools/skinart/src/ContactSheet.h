#pragma once

#include <QImage>
#include <QString>

#include <vector>

// One sheet showing every picture of every size class as it is and enlarged (nearest
// neighbour) on the window background, labelled, so the whole set can be judged side by side.
class ContactSheet {
public:
    // The caption of each size class column, and how much the second copy is enlarged.
    ContactSheet(QString caption, int zoom);

    void add(int sizeClass, const QString& name, const QImage& picture);
    // A picture of the pieces put together, shown at 1x below the table.
    void setInUse(const QImage& preview);
    QImage render() const;

private:
    struct Entry {
        QString name;
        QImage pictures[3];
    };

    QString caption_;
    int zoom_;
    std::vector<Entry> entries_;
    QImage inUse_;
};

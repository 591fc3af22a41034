#pragma once

#include <taglib/tiostream.h>

#include <QByteArray>

// TagLib's view of a file the caller opened already (read only; the descriptor stays the
// caller's). No read returns more than the file holds from the position on, nor more than
// largestRead at once, so a tag that claims a gigabyte costs at most what is really there.
class DescriptorStream : public TagLib::IOStream {
public:
    static constexpr unsigned long largestRead = 32ul * 1024 * 1024;

    DescriptorStream(int descriptor, long long size, const QByteArray& name);

    TagLib::FileName name() const override;
    TagLib::ByteVector readBlock(unsigned long length) override;
    void writeBlock(const TagLib::ByteVector& data) override;
    void insert(const TagLib::ByteVector& data, unsigned long start = 0,
                unsigned long replace = 0) override;
    void removeBlock(unsigned long start = 0, unsigned long length = 0) override;
    bool readOnly() const override;
    bool isOpen() const override;
    void seek(long offset, Position p = Beginning) override;
    long tell() const override;
    long length() override;
    void truncate(long length) override;

    // The most bytes one read asked for (what a claimed size would have cost unguarded).
    unsigned long largestAsked() const { return asked; }

private:
    int descriptor;
    long size;
    long position = 0;
    QByteArray fileName;
    unsigned long asked = 0;
};
